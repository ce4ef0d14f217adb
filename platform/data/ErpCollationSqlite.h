#pragma once

// The company database's text comparison as SQLite functions: the collation,
// and LIKE under it. One definition for the program's connections and for the
// sqlite3 shell's extension: include it after <sqlite3.h>, or in an extension
// after <sqlite3ext.h> and SQLITE_EXTENSION_INIT1, so that every call goes to
// the SQLite that runs it.

#include "platform/data/ErpCollation.h"

namespace zav {
namespace {

// like(pattern, text [, escape]), which SQLite calls for "text LIKE pattern".
void erpLike(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    char32_t escape = 0;
    if (argc == 3) {
        const std::u32string escapes = ErpCollation::foldedText(sqlite3_value_text(argv[2]), sqlite3_value_bytes(argv[2]));
        if (escapes.size() != 1)
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = escapes.front();
    }
    const unsigned char* pattern = sqlite3_value_text(argv[0]);
    const int patternLength = sqlite3_value_bytes(argv[0]);
    const unsigned char* text = sqlite3_value_text(argv[1]);
    sqlite3_result_int(context,
                       ErpCollation::likeMatches(text, sqlite3_value_bytes(argv[1]), pattern, patternLength, escape));
}

// SQLITE_OK, or the code of what SQLite refused.
int registerErpText(sqlite3* db)
{
    int result = sqlite3_create_collation_v2(db, ErpCollation::Name, SQLITE_UTF8, nullptr, &ErpCollation::compare,
                                             nullptr);
    for (int arguments : {2, 3})
        if (result == SQLITE_OK)
            result = sqlite3_create_function_v2(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                                &erpLike, nullptr, nullptr, nullptr);
    return result;
}

} // namespace
} // namespace zav
