#pragma once

#include "platform/data/OdbcHandle.h"
#include "platform/data/SqlBackend.h"

#include <optional>

namespace zav {

// A database reached through the ODBC driver manager (SQL Server over FreeTDS,
// or any driver the connection names), on its wide API: statements go to the
// server unchanged, as UTF-16, and every text value is bound and read as
// UTF-16, so that no text depends on the server's code page or on the
// process's locale. Decimals are read as text, so that they arrive exactly.
class OdbcBackend : public SqlBackend {
public:
    explicit OdbcBackend(const QString& odbcConnectionText);
    ~OdbcBackend() override;

    QueryResult select(const QString& sql) override;
    int execute(const QString& sql, const std::vector<QVariant>& values = {}) override;
    QStringList primaryKey(const QString& table) override;
    bool isOpen() const override;
    void close() override;

    // ADO's number for a driver's failure: SQL Server's native 208 or SQLSTATE
    // 42S02 is a missing object, other 42xxx an error in the command, 23xxx a
    // broken constraint. Drivers that give neither are read by their text.
    static quint32 providerNumber(const QList<OdbcDiagnostic>& diagnostics);

protected:
    // The driver's own transaction (autocommit off until it ends); SQL
    // Server's savepoints are SAVE TRANSACTION and ROLLBACK TRANSACTION and
    // are never released.
    void beginOutermost() override;
    void commitOutermost() override;
    void rollbackOutermost() override;
    void setSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;

private:
    // A statement of the driver's default kind: forward-only and read-only,
    // so that it runs as sent, never through a server cursor.
    OdbcHandle newStatement() const;
    void requireOpen() const;
    void endTransaction(short completion);
    void setAutocommit(bool on);

    OdbcHandle environment_;
    std::optional<OdbcHandle> connection_;
    bool sqlServer_ = false;
};

} // namespace zav
