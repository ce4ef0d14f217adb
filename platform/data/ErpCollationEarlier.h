#pragma once

namespace zav {

// How earlier builds of this program compared text under ErpCollation::Name.
// The indexes of a company they made follow that comparison until this
// program rebuilds them (OutgrownIndexes), and its user_version names which:
// 0, the first builds, folded A to Z only and compared the bytes, so that
// 'ação' and 'AÇÃO' differ and accented letters sort after Z; 1 folded every
// letter's case and compared code points, so that 'ação' = 'AÇÃO' but 'maße'
// and 'MASSE' differ, and accented letters still sort after Z. Both ignored
// trailing blanks.
struct ErpCollationEarlier {
    // sqlite3_create_collation's comparison of two UTF-8 texts.
    using Compare = int (*)(void*, int, const void*, int, const void*);
    // The comparison an earlier build marked in the user_version; nullptr for any other value.
    static Compare byUserVersion(int userVersion);
};

} // namespace zav
