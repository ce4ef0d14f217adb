#pragma once

#include "platform/data/FieldValue.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace zav {

class ConnectionString;

// Rows read in full, so that their count is known at once.
struct QueryResult {
    QList<FieldInfo> fields;
    std::vector<std::vector<QVariant>> rows;
};

// One open database connection. Statements are given in the program's dialect
// (SQL Server's); each backend runs them as its engine needs. Failures are
// zav::RuntimeErrors with ADO's numbers: a missing table 0x80040E37, an error
// in the command 0x80040E14, a broken constraint 0x80040E2F, anything else
// 0x80004005, each with the engine's own description.
class SqlBackend {
public:
    virtual ~SqlBackend() = default;

    // SQLite for "Data Provider=SQLite", else ODBC.
    static std::shared_ptr<SqlBackend> open(const ConnectionString& connection);

    virtual QueryResult select(const QString& sql) = 0;
    // `values` bind in order to the "?" placeholders; returns the rows affected.
    virtual int execute(const QString& sql, const std::vector<QVariant>& values = {}) = 0;
    // The primary key's columns of a table; empty when it has none.
    virtual QStringList primaryKey(const QString& table) = 0;
    // What a statement compares a column of `field` with, for a value bound
    // to its "?": the mark alone, unless the engine must be told the column's
    // own type to find the value it gave.
    virtual QString comparedValue(const FieldInfo& field) const;
    // Why the database can only be read for now, in the user's words; empty
    // when it can be written.
    virtual QString readOnlyReason() const { return {}; }
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    // Transactions nest: the outermost is the database's own, each inner one a
    // savepoint, so that a write running its own transaction can sit inside a
    // caller's and roll back alone. beginTransaction gives the level it opened
    // (1 for the outermost). Committing or rolling back with none open raises
    // 0x8004D00E.
    int beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    int transactionLevel() const { return level_; }
    // Runs `work` in a transaction: committed when it returns, rolled back
    // when it throws, the exception then going on unchanged.
    void inTransaction(const std::function<void()>& work);

protected:
    // How the engine runs each step; the defaults are standard SQL through execute().
    virtual void beginOutermost();
    virtual void commitOutermost();
    virtual void rollbackOutermost();
    virtual void setSavepoint(const QString& name);
    virtual void releaseSavepoint(const QString& name);
    virtual void rollbackToSavepoint(const QString& name);

private:
    void requireTransaction() const;
    static QString savepointName(int level);

    int level_ = 0;
};

// The primary key's columns of a table as a Qt connection reports them.
QStringList primaryKeyColumns(const QSqlDatabase& db, const QString& table);

// The field a numeric column of the database's own types is read into:
// currency for money and smallmoney, and for a decimal or numeric whose every
// value currency holds (at most 4 places and 14 digits before the point);
// any other decimal or numeric is an exact decimal. `precision` and `scale`
// count a decimal's digits (for a bare "decimal", 18 and 0).
FieldType numericFieldType(const QString& typeName, int precision, int scale);

// Reads a column's declared type ("nvarchar(15)", "decimal(19,4)", "datetime",
// ...) into a field; `known` tells whether the type name meant anything.
FieldInfo fieldForDeclaredType(const QString& name, const QString& declaredType, bool* known = nullptr);

// Gives columns without a known type one from the values they hold, then holds
// every value in its field's type. `known[i]` says whether field i's type stands.
void settleResultTypes(QueryResult& result, const std::vector<bool>& known);

} // namespace zav
