#include "platform/data/ConnectionString.h"

#include <QFileInfo>

namespace zav {

ConnectionString ConnectionString::parse(const QString& text)
{
    ConnectionString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype eq = text.indexOf(u'=', i);
        const qsizetype semi = text.indexOf(u';', i);
        if (eq < 0 || (semi >= 0 && semi < eq)) { // a piece without '=' carries nothing
            if (semi < 0)
                break;
            i = semi + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed();
        qsizetype start = eq + 1;
        while (start < text.size() && text[start].isSpace())
            ++start;
        QString value;
        if (start < text.size() && (text[start] == u'"' || text[start] == u'\'')) {
            const QChar quote = text[start];
            qsizetype close = text.indexOf(quote, start + 1);
            if (close < 0)
                close = text.size();
            value = text.mid(start + 1, close - start - 1);
            const qsizetype next = text.indexOf(u';', close);
            i = next < 0 ? text.size() : next + 1;
        } else {
            const qsizetype end = semi < 0 ? text.size() : semi;
            value = text.mid(start, end - start).trimmed();
            i = end + 1;
        }
        if (!key.isEmpty())
            result.pairs_.append({key, value});
    }
    return result;
}

QString ConnectionString::value(const QString& key) const
{
    for (const auto& [k, v] : pairs_)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

bool ConnectionString::contains(const QString& key) const
{
    for (const auto& pair : pairs_)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool ConnectionString::isSqlite() const
{
    return value(QStringLiteral("Data Provider")).compare(QLatin1StringView("SQLite"), Qt::CaseInsensitive) == 0;
}

QString ConnectionString::sqliteFile() const
{
    return value(QStringLiteral("Data Source"));
}

namespace {

// ODBC values that hold ';', '{' or '}' go between braces, '}' doubled.
QString odbcValue(QString v)
{
    if (v.contains(u';') || v.contains(u'{') || v.contains(u'}') || v != v.trimmed())
        return u'{' + v.replace(u'}', QLatin1StringView("}}")) + u'}';
    return v;
}

} // namespace

QString ConnectionString::odbcConnectionText() const
{
    QStringList parts;
    const QString driver = contains(QStringLiteral("Driver")) ? value(QStringLiteral("Driver")) : QStringLiteral("FreeTDS");
    parts << QStringLiteral("Driver=") + odbcValue(driver);

    const QString source = value(QStringLiteral("Data Source"));
    if (!source.isEmpty()) {
        const qsizetype comma = source.indexOf(u',');
        parts << QStringLiteral("Server=") + odbcValue(comma < 0 ? source : source.left(comma).trimmed());
        if (comma >= 0)
            parts << QStringLiteral("Port=") + odbcValue(source.mid(comma + 1).trimmed());
    }
    const QString database = databaseName();
    if (!database.isEmpty())
        parts << QStringLiteral("Database=") + odbcValue(database);
    if (contains(QStringLiteral("User ID")))
        parts << QStringLiteral("UID=") + odbcValue(value(QStringLiteral("User ID")));
    if (contains(QStringLiteral("Password")))
        parts << QStringLiteral("PWD=") + odbcValue(value(QStringLiteral("Password")));
    const QString extended = value(QStringLiteral("Extended Properties"));
    if (!extended.isEmpty())
        parts << extended;
    return parts.join(u';');
}

QString ConnectionString::databaseName() const
{
    if (isSqlite())
        return QFileInfo(sqliteFile()).completeBaseName();
    const QString catalog = value(QStringLiteral("Initial Catalog"));
    return catalog.isEmpty() ? value(QStringLiteral("Database")) : catalog;
}

} // namespace zav
