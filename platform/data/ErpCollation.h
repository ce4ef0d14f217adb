#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct UCollator;

namespace zav {

// How the company database compares text, as the ERP's SQL Server
// (Latin1_General_CI_AS) does: accented letters sort beside their base letter
// ('Ágata' among the A's, 'Écharpe' among the E's), case counts for no letter
// ('ção' = 'ÇÃO'), accents still tell two texts apart ('cao' < 'ção'), and
// trailing blanks are ignored, as SQL Server pads the shorter text with blanks
// ('ENC ' = 'enc'). Texts Unicode holds to be the same letters are equal (a
// composed 'é' and 'e' followed by a combining accent, the fullwidth 'Ａ' and
// 'A', 'ﬁ' and 'fi'), and so are the ligatures SQL Server reads as their
// letters: 'ß' = 'ss', 'œ' = 'oe', 'æ' = 'ae'. It is ICU's collator on the root
// rules (which Portuguese keeps) at the accents' strength, with those ligatures
// added. Where two texts first differ at ASCII or Latin letters, a shortcut
// through the collator's own weights gives its answer without asking it.
//
// It has a name of its own instead of replacing SQLite's NOCASE: an index that
// another program built under NOCASE keeps NOCASE's order and equality. The
// text columns of the tables this program and its demo company create name
// this collation; a connection without it can read them but not compare, sort
// or write them ("no such collation sequence"), so no index is ever built or
// searched with another comparison. platform/sqlite makes it a loadable
// extension for the sqlite3 shell, built from these same sources.
class ErpCollation {
public:
    static constexpr const char* Name = "ERP_NOCASE";
    // The indexes of a database over a text column under this name, in SQL:
    // their table, name and whether they are unique.
    static constexpr const char* IndexesSql =
        "SELECT DISTINCT m.name, il.name, il.\"unique\" FROM sqlite_schema AS m"
        " JOIN pragma_index_list(m.name) AS il JOIN pragma_index_xinfo(il.name) AS x"
        " WHERE m.type = 'table' AND x.key AND x.coll = 'ERP_NOCASE' ORDER BY m.name, il.name";
    // Raised whenever this program changes the comparison's order or equality.
    static constexpr int Version = 2;

    // The one comparison of the process, made on first use.
    static const ErpCollation& instance();

    // What a database's user_version says when its indexes follow this
    // comparison: Version in the high byte, below it the version of ICU's
    // collation data, whose new releases may order some texts otherwise.
    int indexVersion() const;

    // Below, equal to or above zero as text `a` sorts before, with or after `b`.
    int compare(const char* a, int lengthA, const char* b, int lengthB) const;          // UTF-8
    int compare(const char16_t* a, int lengthA, const char16_t* b, int lengthB) const;  // UTF-16
    // A key of bytes that two texts share exactly when they compare equal.
    std::string sortKey(const char16_t* text, int length) const;

    // What LIKE matches: the collator's weights of each character, case left
    // out. Most characters have one; 'œ' has those of 'o' and 'e', and an
    // accent has one that does not begin a letter, so it belongs to the letter
    // before it ('e' and a combining acute weigh as 'é' does).
    using Weight = std::uint64_t;
    // Appends the weights of `c` (none for a character the comparison ignores).
    void appendWeights(char32_t c, std::vector<Weight>& out) const;
    static bool beginsLetter(Weight weight) { return (weight >> 48) != 0; }
    // The characters whose weights are kept in a table (ASCII, the Latin
    // letters and the combining accents); the others' are worked out each time.
    static constexpr char32_t TabledBelow = 0x370;
    // The weight of a byte of plain text: an ASCII character the comparison
    // gives one weight of its own (every printable one, tab and line ends);
    // 0 for any other byte.
    Weight plainWeight(unsigned char byte) const { return plainWeight_[byte]; }
    // A tabled character that is one letter with its accents ('a', 'ã', 'ª'):
    // its weight when it has one, else a value that stands for its weights,
    // the same for every character of the same weights ('ã' and 'Ã'). 0 for
    // any other (ß, an accent alone, an ignored character).
    Weight letterOf(char32_t c) const { return c < TabledBelow ? letter_[c] : 0; }

    // Registers it, and LIKE under it, on a connection; false when SQLite refuses.
    static bool registerOn(sqlite3* handle);
    // Registers in its place the comparison an earlier build gave it, when
    // the database's indexes were built under one (ErpCollationEarlier), so
    // that they still find every row; false when they were not.
    static bool registerEarlierOn(sqlite3* handle);

    ErpCollation(const ErpCollation&) = delete;
    ErpCollation& operator=(const ErpCollation&) = delete;

private:
    ErpCollation();
    ~ErpCollation();

    // A character of one or two bytes in a text; `length` 0 for any other.
    struct Character {
        char32_t code = 0;
        int length = 0;
    };
    static Character characterAt(const unsigned char* text, int length, int at)
    {
        if (text[at] < 0x80)
            return {text[at], 1};
        if (text[at] >= 0xC2 && text[at] < 0xE0 && at + 1 < length && (text[at + 1] & 0xC0) == 0x80)
            return {char32_t(text[at] & 0x1F) << 6 | (text[at + 1] & 0x3F), 2};
        return {};
    }

    // Texts compared by the primary weights of their tabled characters, past
    // what they share; Undecided when ICU must tell.
    static constexpr int Undecided = 2;
    int compareQuickly(const unsigned char* a, int lengthA, const unsigned char* b, int lengthB) const;
    // The primary weight by which a character decides where two texts first
    // differ; 0 when it cannot.
    std::uint32_t primaryOf(Character c) const { return c.length && c.code < TabledBelow ? primary_[c.code] : 0; }
    // Whether the character at `at` weighs alone there: not joined into one
    // of the collator's contractions ('L' and a middle dot) by its neighbours.
    bool standsAlone(const unsigned char* text, int length, int at, Character c) const;
    void readContractions();
    void tableLetters();

    UCollator* collator_ = nullptr;
    Weight plainWeight_[256] = {};
    // The weights of the characters below TabledBelow: those of `c` run from
    // tabledStart_[c] to tabledStart_[c + 1].
    std::vector<Weight> tabled_;
    std::vector<std::uint32_t> tabledStart_;
    std::vector<Weight> letter_;
    std::vector<std::uint32_t> primary_;
    // How a tabled character joins others into a contraction: a plain one with
    // a character that is not plain after or before it (JoinsNext,
    // JoinsPrevious); any other way, and then it never decides alone (JoinsAny).
    enum Joins : unsigned char { JoinsNext = 1, JoinsPrevious = 2, JoinsAny = 4 };
    std::vector<unsigned char> joins_;
};

} // namespace zav
