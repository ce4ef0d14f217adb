// The company database's text comparison as an extension the sqlite3 shell can
// load, so that a database this program has written can be queried, changed
// and checked there too:
//
//   sqlite3 -cmd '.load build/erpnocase' build/tarvelo-demo.db
//
// SQLite derives the entry point's name, sqlite3_erpnocase_init, from the file's.

#include "platform/data/ErpCollation.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

extern "C" __attribute__((visibility("default"))) int
sqlite3_erpnocase_init(sqlite3* db, char** /*errorMessage*/, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    return sqlite3_create_collation_v2(db, zav::ErpCollation::Name, SQLITE_UTF8, nullptr, &zav::ErpCollation::compare,
                                       nullptr);
}
