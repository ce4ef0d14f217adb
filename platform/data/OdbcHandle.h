#pragma once

#include <QList>
#include <QString>

namespace zav {

// One record of what a driver said about a call: the SQLSTATE, the server's
// own error number (SQL Server's 208, 2627, ...) and the text.
struct OdbcDiagnostic {
    QString state;
    int native = 0;
    QString text;
};

// An ODBC handle (environment, connection or statement), freed when it goes.
// A connection is disconnected first, so that no handle outlives its server.
class OdbcHandle {
public:
    enum class Kind : short { Environment = 1, Connection = 2, Statement = 3 }; // SQL_HANDLE_ENV, _DBC, _STMT

    // An environment for ODBC 3, the parent of connections.
    static OdbcHandle environment();
    OdbcHandle(Kind kind, const OdbcHandle& parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle& operator=(OdbcHandle&&) = delete;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    void* get() const { return handle_; }
    // What the driver said about the last call on this handle, in its order.
    QList<OdbcDiagnostic> diagnostics() const;
    // After a successful SQLDriverConnect: disconnect before freeing.
    void markConnected() { connected_ = true; }

private:
    OdbcHandle(Kind kind, void* handle) : kind_(kind), handle_(handle) {}

    Kind kind_;
    void* handle_ = nullptr;
    bool connected_ = false;
};

} // namespace zav
