#pragma once

#include <QList>
#include <QString>

namespace zav {

// The connection settings of the configuration file, an INI file:
//
//   [BaseDados]
//   Servidor=SQLite
//   BaseDados=/abs/path/demo.db
//   Utilizador=demo
//   Senha=
//   [Diversos]
//   PercursoImagens=
//
// Section and key names compare without regard to case. With Servidor "SQLite"
// a relative BaseDados is taken from the configuration file's folder. A missing
// file reads as empty settings.
//
// When the file names no database, the user chooses one of those of the
// catalogue file (FicheiroCatalogo), a text file with one database a line:
//
//   -- Databases offered when the configuration names none.
//   -- name|server|database|user|password
//   Demonstração|SQLite|tarvelo-demo.db|demo|
//   Empresa|srv01|EMPRESA01|sa|segredo
//
// Blank lines and lines starting with "--" are ignored, fields are trimmed and
// missing fields are empty; the password is everything after the fourth "|"
// (it may hold "|"); a line without a database is skipped; a relative SQLite
// database is taken from the catalogue's folder.
//
// Both files may be UTF-8 or UTF-16 with a byte order mark, UTF-8 without one,
// or Windows-1252 (TextFile).
class ConfigBaseDados {
public:
    // Reads the settings of that file.
    void setFicheiro(const QString& ficheiro);
    const QString& Ficheiro() const { return ficheiro_; }

    const QString& Servidor() const { return servidor_; }
    const QString& BaseDados() const { return baseDados_; }
    const QString& Utilizador() const { return utilizador_; }
    const QString& Senha() const { return senha_; }

    struct EntradaCatalogo {
        QString name, servidor, baseDados, utilizador, senha;
    };

    void setFicheiroCatalogo(const QString& ficheiro) { catalogo_ = ficheiro; }
    // The catalogue's databases; empty when the file is missing.
    QList<EntradaCatalogo> Catalogo() const;
    // true: the user always chooses; false: a catalogue of one database is taken without asking.
    void setEscolha(bool escolha) { escolha_ = escolha; }
    bool Escolha() const { return escolha_; }
    // The four settings become the entry's.
    void Usa(const EntradaCatalogo& entrada);

private:
    static QList<EntradaCatalogo> readCatalogue(const QString& path);

    QString ficheiro_;
    QString servidor_;
    QString baseDados_;
    QString utilizador_;
    QString senha_;
    QString catalogo_;
    bool escolha_ = false;
};

} // namespace zav
