#include "platform/data/ErpCollation.h"

#include <sqlite3.h>

namespace zav {

bool ErpCollation::registerOn(sqlite3* handle)
{
    return sqlite3_create_collation_v2(handle, Name, SQLITE_UTF8, nullptr, &compare, nullptr) == SQLITE_OK;
}

} // namespace zav
