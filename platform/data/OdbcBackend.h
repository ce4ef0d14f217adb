#pragma once

#include "platform/data/SqlBackend.h"

#include <QSqlDatabase>

class QSqlError;

namespace zav {

// A database reached through ODBC (SQL Server over FreeTDS, or any driver the
// connection names) with Qt's QODBC driver. Statements go to the server
// unchanged; decimals are read as text so that they arrive exactly.
class OdbcBackend : public SqlBackend {
public:
    explicit OdbcBackend(const QString& odbcConnectionText);
    ~OdbcBackend() override;

    QueryResult select(const QString& sql) override;
    int execute(const QString& sql, const std::vector<QVariant>& values = {}) override;
    QStringList primaryKey(const QString& table) override;
    bool isOpen() const override;
    void close() override;

    // ADO's number for a driver's error: SQL Server's native 208 or SQLSTATE
    // 42S02 is a missing object, other 42xxx an error in the command, 23xxx a
    // broken constraint. Drivers that give neither are read by their text.
    static quint32 providerNumber(const QSqlError& error);

protected:
    // The driver's own transaction; SQL Server's savepoints are SAVE TRANSACTION
    // and ROLLBACK TRANSACTION and are never released.
    void beginOutermost() override;
    void commitOutermost() override;
    void rollbackOutermost() override;
    void setSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;

private:
    void requireOpen() const;
    bool isSqlServer() const;

    QString connectionName_;
    QSqlDatabase db_;
};

} // namespace zav
