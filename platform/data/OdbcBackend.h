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
// How long the program waits for the server before it gives up with a
// failure: ADO's own defaults, 15 s to log in and 30 s for each statement
// (commits and rollbacks included).
struct OdbcTimeouts {
    int loginSeconds = 15;
    int statementSeconds = 30;
};

class OdbcBackend : public SqlBackend {
public:
    explicit OdbcBackend(const QString& odbcConnectionText, OdbcTimeouts timeouts = {});
    ~OdbcBackend() override;

    QueryResult select(const QString& sql) override;
    int execute(const QString& sql, const std::vector<QVariant>& values = {}) override;
    QStringList primaryKey(const QString& table) override;
    QString comparedValue(const FieldInfo& field) const override;
    bool isOpen() const override;
    void close() override;

    // ADO's number for a driver's failure: SQL Server's native 208 or SQLSTATE
    // 42S02 is a missing object, other 42xxx an error in the command, 23xxx a
    // broken constraint, HYT00 a statement that ran out of time. Drivers that
    // give neither are read by their text.
    static quint32 providerNumber(const QList<OdbcDiagnostic>& diagnostics);

protected:
    // Transactions are statements (BEGIN, COMMIT, ROLLBACK TRANSACTION), so
    // that their end is bounded by the statement timeout as any statement is:
    // the driver's own commit and rollback wait for the server for ever. SQL
    // Server's savepoints are SAVE TRANSACTION and ROLLBACK TRANSACTION and
    // are never released.
    void setSavepoint(const QString& name) override;
    void releaseSavepoint(const QString& name) override;
    void rollbackToSavepoint(const QString& name) override;

private:
    // A statement of the driver's default kind: forward-only and read-only,
    // so that it runs as sent, never through a server cursor.
    OdbcHandle newStatement() const;
    void requireOpen() const;

    OdbcTimeouts timeouts_;
    OdbcHandle environment_;
    std::optional<OdbcHandle> connection_;
    bool sqlServer_ = false;
};

} // namespace zav
