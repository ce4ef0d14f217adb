// The company database's text comparison (and LIKE under it) as an extension the sqlite3 shell can
// load, so that a database this program has written can be queried, changed
// and checked there too:
//
//   sqlite3 -cmd '.load build/erpnocase' build/tarvelo-demo.db
//
// A database whose indexes an earlier build made, and the program has not
// rebuilt yet, is compared as that build compared: its indexes then find
// every row, and what is written keeps them whole.
//
// SQLite derives the entry point's name, sqlite3_erpnocase_init, from the file's.

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "platform/data/ErpCollationSqlite.h"

extern "C" __attribute__((visibility("default"))) int
sqlite3_erpnocase_init(sqlite3* db, char** /*errorMessage*/, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    const int registered = zav::registerErpText(db);
    if (registered != SQLITE_OK)
        return registered;
    const int earlier = zav::registerEarlierErpComparison(db);
    return earlier == SQLITE_NOTFOUND ? SQLITE_OK : earlier;
}
