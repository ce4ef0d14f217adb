#include "platform/data/ConnectionString.h"

#include "platform/data/RuntimeError.h"

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

// A value that holds ';' or begins with '{' or a blank goes between braces.
// A '}' cannot be carried: FreeTDS (1.3) ends a braced value at the first
// "};" and keeps a doubled "}}" as it stands, where the ODBC rule halves it,
// so no way of writing one reaches every driver intact.
QString odbcValue(const QString& value, const QString& what)
{
    if (value.contains(u'}'))
        throw RuntimeError(errors::InvalidCall,
                           QStringLiteral("Não é possível ligar à base de dados: %1 contém o carácter \"}\", que a "
                                          "ligação por ODBC não consegue transmitir. Use um valor sem esse carácter.")
                               .arg(what));
    if (value.contains(u';') || value.startsWith(u'{') || value != value.trimmed())
        return u'{' + value + u'}';
    return value;
}

} // namespace

QString ConnectionString::odbcConnectionText() const
{
    QString text;
    const auto add = [&](const char* key, const QString& value, const QString& what) {
        text += QLatin1StringView(key) + u'=' + odbcValue(value, what) + u';';
    };
    const QString driver = contains(QStringLiteral("Driver")) ? value(QStringLiteral("Driver")) : QStringLiteral("FreeTDS");
    add("Driver", driver, QStringLiteral("o nome do controlador"));
    // FreeTDS's own conversions follow the process's locale unless told; the
    // site's choice, among the extended properties, stands.
    const QString extended = value(QStringLiteral("Extended Properties"));
    if (driver.compare(QLatin1StringView("FreeTDS"), Qt::CaseInsensitive) == 0
        && !ConnectionString::parse(extended).contains(QStringLiteral("ClientCharset")))
        text += QStringLiteral("ClientCharset=UTF-8;");

    const QString source = value(QStringLiteral("Data Source"));
    if (!source.isEmpty()) {
        const qsizetype comma = source.indexOf(u',');
        add("Server", comma < 0 ? source : source.left(comma).trimmed(), QStringLiteral("o servidor"));
        if (comma >= 0)
            add("Port", source.mid(comma + 1).trimmed(), QStringLiteral("a porta"));
    }
    const QString database = databaseName();
    if (!database.isEmpty())
        add("Database", database, QStringLiteral("a base de dados"));
    if (contains(QStringLiteral("User ID")))
        add("UID", value(QStringLiteral("User ID")), QStringLiteral("o utilizador"));
    if (contains(QStringLiteral("Password")))
        add("PWD", value(QStringLiteral("Password")), QStringLiteral("a senha"));
    if (!extended.isEmpty())
        text += extended.endsWith(u';') ? extended : extended + u';';
    return text;
}

QString ConnectionString::databaseName() const
{
    if (isSqlite())
        return QFileInfo(sqliteFile()).completeBaseName();
    const QString catalog = value(QStringLiteral("Initial Catalog"));
    return catalog.isEmpty() ? value(QStringLiteral("Database")) : catalog;
}

} // namespace zav
