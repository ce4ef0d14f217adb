#pragma once

struct sqlite3;

namespace zav {

// How the company database compares text: without regard to case (ASCII
// letters) and, as SQL Server pads the shorter text with blanks, ignoring
// trailing blanks ('ENC ' = 'enc'). Apart from trailing blanks it compares
// as SQLite's NOCASE does.
//
// It has a name of its own instead of replacing SQLite's NOCASE: an index that
// another program built under NOCASE keeps NOCASE's order and equality, and
// would no longer agree with a NOCASE that ignores trailing blanks. The text
// columns of the tables this program and its demo company create name this
// collation; a connection without it can read them but not compare, sort or
// write them ("no such collation sequence"), so no index is ever built or
// searched with another comparison. platform/sqlite makes it a loadable
// extension for the sqlite3 shell.
struct ErpCollation {
    static constexpr const char* Name = "ERP_NOCASE";

    // sqlite3_create_collation's comparison of two UTF-8 texts.
    static int compare(void*, int length1, const void* text1, int length2, const void* text2)
    {
        const auto* a = static_cast<const unsigned char*>(text1);
        const auto* b = static_cast<const unsigned char*>(text2);
        while (length1 > 0 && a[length1 - 1] == ' ')
            --length1;
        while (length2 > 0 && b[length2 - 1] == ' ')
            --length2;
        const int common = length1 < length2 ? length1 : length2;
        for (int i = 0; i < common; ++i) {
            const int ca = (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : a[i];
            const int cb = (b[i] >= 'A' && b[i] <= 'Z') ? b[i] + 32 : b[i];
            if (ca != cb)
                return ca - cb;
        }
        return length1 - length2;
    }

    // Registers it on a connection; false when SQLite refuses.
    static bool registerOn(sqlite3* handle);
};

} // namespace zav
