#include "platform/data/OdbcHandle.h"

#include "platform/data/RuntimeError.h"

#include <sql.h>
#include <sqlext.h>

#include <utility>
#include <vector>

namespace zav {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager's wide characters are UTF-16 units");

namespace {

[[noreturn]] void outOfHandles()
{
    throw RuntimeError(errors::Unspecified, QStringLiteral("O gestor de ODBC não criou o recurso pedido."), QStringLiteral("ODBC"));
}

} // namespace

OdbcHandle OdbcHandle::environment()
{
    SQLHANDLE handle = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle)))
        outOfHandles();
    OdbcHandle env(Kind::Environment, handle);
    if (!SQL_SUCCEEDED(SQLSetEnvAttr(handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
        outOfHandles();
    return env;
}

OdbcHandle::OdbcHandle(Kind kind, const OdbcHandle& parent) : kind_(kind)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQLSMALLINT(kind), parent.handle_, &handle_)))
        outOfHandles();
}

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept
    : kind_(other.kind_), handle_(std::exchange(other.handle_, nullptr)), connected_(std::exchange(other.connected_, false))
{
}

OdbcHandle::~OdbcHandle()
{
    if (!handle_)
        return;
    if (connected_)
        SQLDisconnect(handle_);
    SQLFreeHandle(SQLSMALLINT(kind_), handle_);
}

QList<OdbcDiagnostic> OdbcHandle::diagnostics() const
{
    QList<OdbcDiagnostic> found;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        std::vector<SQLWCHAR> text(512);
        SQLRETURN rc = SQLGetDiagRecW(SQLSMALLINT(kind_), handle_, record, state, &native, text.data(),
                                      SQLSMALLINT(text.size()), &length);
        if (SQL_SUCCEEDED(rc) && length >= SQLSMALLINT(text.size())) { // a long text: once more, whole
            text.resize(size_t(length) + 1);
            rc = SQLGetDiagRecW(SQLSMALLINT(kind_), handle_, record, state, &native, text.data(),
                                SQLSMALLINT(text.size()), &length);
        }
        if (!SQL_SUCCEEDED(rc))
            return found;
        found.append({QString::fromUtf16(reinterpret_cast<const char16_t*>(state), 5), int(native),
                      QString::fromUtf16(reinterpret_cast<const char16_t*>(text.data()), length)});
    }
}

} // namespace zav
