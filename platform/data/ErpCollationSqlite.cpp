#include <sqlite3.h>

#include "platform/data/ErpCollationSqlite.h"

namespace zav {

bool ErpCollation::registerOn(sqlite3* handle)
{
    return registerErpText(handle) == SQLITE_OK;
}

bool ErpCollation::registerEarlierOn(sqlite3* handle)
{
    return registerEarlierErpComparison(handle) == SQLITE_OK;
}

} // namespace zav
