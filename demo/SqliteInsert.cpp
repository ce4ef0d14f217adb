#include "demo/SqliteInsert.h"

#include <sqlite3.h>
#include <stdexcept>

namespace demo {

SqliteInsert::SqliteInsert(sqlite3* db, const QString& table, const QStringList& columns)
    : db_(db), table_(table)
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted << QLatin1Char('"') + column + QLatin1Char('"');
    const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, quoted.join(','), QStringList(columns.size(), QStringLiteral("?")).join(','))
                               .toUtf8();
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &statement_, nullptr) != SQLITE_OK)
        fail("prepare");
}

SqliteInsert::~SqliteInsert()
{
    sqlite3_finalize(statement_);
}

void SqliteInsert::bind(int position, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(statement_, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::bind(int position, const char* value)
{
    if (sqlite3_bind_text(statement_, position, value, -1, SQLITE_TRANSIENT) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::bind(int position, int value)
{
    if (sqlite3_bind_int(statement_, position, value) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::bind(int position, qint64 value)
{
    if (sqlite3_bind_int64(statement_, position, value) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::bind(int position, double value)
{
    if (sqlite3_bind_double(statement_, position, value) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::bind(int position, std::nullptr_t)
{
    if (sqlite3_bind_null(statement_, position) != SQLITE_OK)
        fail("bind");
}

void SqliteInsert::step()
{
    if (sqlite3_step(statement_) != SQLITE_DONE)
        fail("insert");
    sqlite3_reset(statement_);
}

void SqliteInsert::fail(const char* what) const
{
    throw std::runtime_error(QStringLiteral("%1 into %2: %3")
                                 .arg(QLatin1String(what), table_, QString::fromUtf8(sqlite3_errmsg(db_)))
                                 .toStdString());
}

void sqliteExecute(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        throw std::runtime_error(QStringLiteral("%1\n%2").arg(text, sql).toStdString());
    }
}

} // namespace demo
