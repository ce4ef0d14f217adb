#pragma once

// The company database's text comparison as SQLite functions: the collation,
// and LIKE under it. One definition for the program's connections and for the
// sqlite3 shell's extension: include it after <sqlite3.h>, or in an extension
// after <sqlite3ext.h> and SQLITE_EXTENSION_INIT1, so that every call goes to
// the SQLite that runs it.

#include "platform/data/ErpCollation.h"
#include "platform/data/ErpCollationEarlier.h"
#include "platform/data/ErpLike.h"

#include <unicode/utf8.h>

#include <memory>

namespace zav {
namespace {

int erpCompare(void* collation, int length1, const void* text1, int length2, const void* text2)
{
    return static_cast<const ErpCollation*>(collation)->compare(static_cast<const char*>(text1), length1,
                                                                 static_cast<const char*>(text2), length2);
}

// like(pattern, text [, escape]), which SQLite calls for "text LIKE pattern".
// The pattern is read once per statement: SQLite keeps its reading beside the
// pattern's value while that stays the same from row to row (the escape, an
// argument of its own, is checked).
void erpLike(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    char32_t escape = 0;
    if (argc == 3) {
        const auto* text = sqlite3_value_text(argv[2]);
        const int length = sqlite3_value_bytes(argv[2]);
        int end = 0;
        UChar32 c = 0;
        if (length > 0)
            U8_NEXT_OR_FFFD(text, end, length, c);
        if (length == 0 || end != length)
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = char32_t(c);
    }
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternLength = sqlite3_value_bytes(argv[0]);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int textLength = sqlite3_value_bytes(argv[1]);

    auto* kept = static_cast<ErpLikePattern*>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<ErpLikePattern> read;
    if (!kept || kept->escape() != escape) {
        read = std::make_unique<ErpLikePattern>(*static_cast<const ErpCollation*>(sqlite3_user_data(context)),
                                                pattern, patternLength, escape);
        kept = read.get();
    }
    sqlite3_result_int(context, kept->matches(text, textLength));
    // Handed over only now: SQLite may drop it at once.
    if (read)
        sqlite3_set_auxdata(context, 0, read.release(), [](void* p) { delete static_cast<ErpLikePattern*>(p); });
}

// SQLITE_OK, or the code of what SQLite refused.
int registerErpText(sqlite3* db)
{
    auto* collation = const_cast<ErpCollation*>(&ErpCollation::instance());
    int result = sqlite3_create_collation_v2(db, ErpCollation::Name, SQLITE_UTF8, collation, &erpCompare, nullptr);
    for (int arguments : {2, 3})
        if (result == SQLITE_OK)
            result = sqlite3_create_function_v2(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, collation,
                                                &erpLike, nullptr, nullptr, nullptr);
    return result;
}

// Whether the statement gives a row; its first column's number there, when asked.
bool givesRow(sqlite3* db, const char* sql, int* number = nullptr)
{
    sqlite3_stmt* statement = nullptr;
    const bool row = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK
                     && sqlite3_step(statement) == SQLITE_ROW;
    if (row && number)
        *number = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    return row;
}

// Under ErpCollation::Name, the comparison the main database's indexes were
// built with, when an earlier build made them: its user_version names that
// build's, and it has indexes under the name. SQLITE_OK when it registered
// one, SQLITE_NOTFOUND when the indexes follow no earlier build's.
int registerEarlierErpComparison(sqlite3* db)
{
    int version = 0;
    if (!givesRow(db, "PRAGMA main.user_version", &version))
        return SQLITE_NOTFOUND;
    const ErpCollationEarlier::Compare earlier = ErpCollationEarlier::byUserVersion(version);
    if (!earlier || !givesRow(db, ErpCollation::IndexesSql))
        return SQLITE_NOTFOUND;
    return sqlite3_create_collation_v2(db, ErpCollation::Name, SQLITE_UTF8, nullptr, earlier, nullptr);
}

} // namespace
} // namespace zav
