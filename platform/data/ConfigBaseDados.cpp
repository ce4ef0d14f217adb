#include "platform/data/ConfigBaseDados.h"

#include "platform/data/FicheiroIni.h"
#include "platform/data/StringLigacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace zav {

namespace {

// An SQLite database file named relative to `folder`; other servers' catalogue names stay as they are.
QString databaseFrom(const QString& servidor, const QString& baseDados, const QString& folder)
{
    if (!StringLigacao::eSQLite(servidor) || baseDados.isEmpty() || QFileInfo(baseDados).isAbsolute())
        return baseDados;
    return QDir(folder).absoluteFilePath(baseDados);
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    const QString folder = QFileInfo(path).absolutePath();
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        QStringList fields = line.split(QLatin1Char('|'));
        for (QString& field : fields)
            field = field.trimmed();
        while (fields.size() < 5)
            fields << QString();
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
