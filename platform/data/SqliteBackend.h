#pragma once

#include "platform/data/SqlBackend.h"

#include <QSqlDatabase>

struct sqlite3;

namespace zav {

// The embedded database: a SQLite file opened through Qt's QSQLITE driver.
// Statements pass through SqliteDialect and run on the connection's own
// sqlite3 handle, which gives each column's declared type and each value's
// storage class. CONCAT is registered as a function (NULL counts as ''), and
// the company database's text comparison as the collation ErpCollation::Name.
// The file must exist. Dates are stored as text 'yyyy-mm-dd hh:mm:ss'. A
// company whose indexes follow an earlier comparison has them rebuilt as it
// opens; when that cannot be done it is only read (see OutgrownIndexes).
//
// A write transaction takes the database's write lock as it begins, waiting
// for another writer to finish: one that read first could not wait for it.
class SqliteBackend : public SqlBackend {
public:
    explicit SqliteBackend(const QString& file);
    ~SqliteBackend() override;

    QueryResult select(const QString& sql) override;
    int execute(const QString& sql, const std::vector<QVariant>& values = {}) override;
    QStringList primaryKey(const QString& table) override;
    QString readOnlyReason() const override;
    bool isOpen() const override;
    void close() override;

protected:
    void beginOutermost() override;

private:
    sqlite3* handle() const;
    void rebuildIndexesOfEarlierComparison();
    [[noreturn]] void fail(int code) const;

    QString connectionName_;
    QSqlDatabase db_;
    sqlite3* handle_ = nullptr;
    QString readOnlyReason_;
};

} // namespace zav
