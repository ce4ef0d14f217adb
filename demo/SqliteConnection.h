#pragma once

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

namespace demo {

// One QSQLITE connection to a database file (or ":memory:") for as long as the
// object lives. The connection has a name of its own, so several can be open
// at once in one process (tests build many fixture databases side by side).
// Text compares as the company database does (zav::ErpCollation).
class SqliteConnection {
public:
    explicit SqliteConnection(const QString& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    QSqlDatabase database() const { return db_; }
    QString path() const { return path_; }

    // The driver's own handle, for bulk work through the SQLite C API.
    sqlite3* handle() const;


private:
    QString path_;
    QString name_;
    QSqlDatabase db_;
};

// The handle of an open QSQLITE connection.
sqlite3* sqliteHandle(const QSqlDatabase& db);

// Runs one statement that returns no rows; a failure throws std::runtime_error
// carrying the driver's message and the statement.
void executeSql(const QSqlDatabase& db, const QString& sql);

} // namespace demo
