#include "demo/SqliteConnection.h"

#include "platform/data/ErpCollation.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <stdexcept>

namespace demo {

SqliteConnection::SqliteConnection(const QString& path)
    : path_(path),
      name_(QStringLiteral("demo-%1").arg(reinterpret_cast<quintptr>(this), 0, 16))
{
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    if (!db_.open()) {
        const QString error = db_.lastError().text();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw std::runtime_error(QStringLiteral("cannot open %1: %2").arg(path, error).toStdString());
    }
    if (!zav::ErpCollation::registerOn(handle()))
        throw std::runtime_error(QStringLiteral("cannot compare text as the ERP in %1").arg(path).toStdString());
}

SqliteConnection::~SqliteConnection()
{
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

sqlite3* SqliteConnection::handle() const
{
    return sqliteHandle(db_);
}

void executeSql(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw std::runtime_error(QStringLiteral("%1\n%2").arg(query.lastError().text(), sql).toStdString());
}

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw std::runtime_error("not an open SQLite connection");
    sqlite3* raw = *static_cast<sqlite3* const*>(handle.constData());
    if (!raw)
        throw std::runtime_error("the SQLite connection is closed");
    return raw;
}

} // namespace demo
