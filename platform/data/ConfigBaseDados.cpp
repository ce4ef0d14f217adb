#include "platform/data/ConfigBaseDados.h"

#include "platform/data/FicheiroIni.h"
#include "platform/data/StringLigacao.h"
#include "platform/data/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace zav {

namespace {

// An SQLite database file named relative to `folder`; other servers' catalogue names stay as they are.
QString databaseFrom(const QString& servidor, const QString& baseDados, const QString& folder)
{
    if (!StringLigacao::eSQLite(servidor) || baseDados.isEmpty() || QFileInfo(baseDados).isAbsolute())
        return baseDados;
    return QDir(folder).absoluteFilePath(baseDados);
}

// name|server|database|user|password, trimmed, missing ones empty; the
// password is all that follows the fourth "|", so it may hold "|" itself.
QStringList catalogueFields(const QString& line)
{
    QStringList fields;
    qsizetype from = 0;
    for (int i = 0; i < 4; ++i) {
        const qsizetype bar = line.indexOf(u'|', from);
        if (bar < 0)
            break;
        fields << line.mid(from, bar - from).trimmed();
        from = bar + 1;
    }
    fields << line.mid(from).trimmed();
    while (fields.size() < 5)
        fields << QString();
    return fields;
}

} // namespace

QList<ConfigBaseDados::EntradaCatalogo> ConfigBaseDados::Catalogo() const
{
    return readCatalogue(catalogo_);
}

void ConfigBaseDados::Usa(const EntradaCatalogo& entrada)
{
    servidor_ = entrada.servidor;
    baseDados_ = entrada.baseDados;
    utilizador_ = entrada.utilizador;
    senha_ = entrada.senha;
}

QList<ConfigBaseDados::EntradaCatalogo> ConfigBaseDados::readCatalogue(const QString& path)
{
    QList<EntradaCatalogo> entries;
    const QString folder = QFileInfo(path).absolutePath();
    for (const QString& rawLine : TextFile::readLines(path)) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        const QStringList fields = catalogueFields(line);
        if (fields[2].isEmpty()) // nothing to open
            continue;
        entries.append({fields[0], fields[1], databaseFrom(fields[1], fields[2], folder), fields[3], fields[4]});
    }
    return entries;
}

void ConfigBaseDados::setFicheiro(const QString& ficheiro)
{
    ficheiro_ = ficheiro;
    FicheiroIni ini;
    ini.setFicheiro(ficheiro);
    const QString seccao = QStringLiteral("BaseDados");
    servidor_ = ini.LerValor(seccao, QStringLiteral("Servidor"));
    baseDados_ = databaseFrom(servidor_, ini.LerValor(seccao, QStringLiteral("BaseDados")),
                              QFileInfo(ficheiro).absolutePath());
    utilizador_ = ini.LerValor(seccao, QStringLiteral("Utilizador"));
    senha_ = ini.LerValor(seccao, QStringLiteral("Senha"));
}

} // namespace zav
