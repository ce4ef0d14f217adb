#include "platform/ConfigBaseDados.h"

#include "platform/Seams.h"
#include "platform/StringLigacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

namespace zav {

namespace {

// "section/key" in lower case -> value, as the INI file holds them.
QHash<QString, QString> readIni(const QString& path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QTextStream in(&file);
    QString section;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        values.insert(section + QLatin1Char('/') + line.left(equals).trimmed().toLower(),
                      line.mid(equals + 1).trimmed());
    }
    return values;
}

// An SQLite database file named relative to `folder`; other servers' catalogue names stay as they are.
QString databaseFrom(const QString& servidor, const QString& baseDados, const QString& folder)
{
    if (!StringLigacao::eSQLite(servidor) || baseDados.isEmpty() || QFileInfo(baseDados).isAbsolute())
        return baseDados;
    return QDir(folder).absoluteFilePath(baseDados);
}

struct CatalogueEntry {
    QString name, servidor, baseDados, utilizador, senha;
};

QList<CatalogueEntry> readCatalogue(const QString& path)
{
    QList<CatalogueEntry> entries;
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

} // namespace

void ConfigBaseDados::setFicheiro(const QString& ficheiro)
{
    ficheiro_ = ficheiro;
    const QHash<QString, QString> ini = readIni(ficheiro);
    servidor_ = ini.value(QStringLiteral("basedados/servidor"));
    baseDados_ = databaseFrom(servidor_, ini.value(QStringLiteral("basedados/basedados")),
                              QFileInfo(ficheiro).absolutePath());
    utilizador_ = ini.value(QStringLiteral("basedados/utilizador"));
    senha_ = ini.value(QStringLiteral("basedados/senha"));
}

void ConfigBaseDados::EscolheBaseDados(QWidget* parent)
{
    const QList<CatalogueEntry> entries = readCatalogue(catalogo_);
    if (entries.isEmpty())
        return;
    int chosen = 0;
    if (escolha_ || entries.size() > 1) {
        // The hidden first column carries the entry's position, so equal names stay apart.
        PickListRequest request;
        request.title = QStringLiteral("Bases de Dados");
        request.widthTwips = 6500;
        request.columns = {PickListColumn{QString(), 0, true}, PickListColumn{QStringLiteral("Nome"), 2500},
                           PickListColumn{QStringLiteral("Servidor"), 1500},
                           PickListColumn{QStringLiteral("Base de Dados"), 2500}};
        for (int i = 0; i < entries.size(); ++i)
            request.rows.append({QString::number(i), entries[i].name, entries[i].servidor, entries[i].baseDados});
        bool ok = false;
        chosen = pickListSeam()(parent, request).toInt(&ok);
        if (!ok || chosen < 0 || chosen >= entries.size())
            return;
    }
    const CatalogueEntry& entry = entries[chosen];
    servidor_ = entry.servidor;
    baseDados_ = entry.baseDados;
    utilizador_ = entry.utilizador;
    senha_ = entry.senha;
}

} // namespace zav
