#pragma once

#include <QChar>

#include <string>

struct sqlite3;

namespace zav {

// How the company database compares text: without regard to case, for every
// letter ('Ç' = 'ç', 'Ã' = 'ã'; accents still count: 'A' and 'Ã' differ) and,
// as SQL Server pads the shorter text with blanks, ignoring trailing blanks
// ('ENC ' = 'enc'). Texts are ordered by their case-folded characters.
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
    // Raised whenever the comparison's order changes; a database whose
    // user_version is below it has indexes built under an earlier one.
    static constexpr int Version = 1;

    // sqlite3_create_collation's comparison of two UTF-8 texts.
    static int compare(void*, int length1, const void* text1, int length2, const void* text2)
    {
        const auto* a = static_cast<const unsigned char*>(text1);
        const auto* b = static_cast<const unsigned char*>(text2);
        while (length1 > 0 && a[length1 - 1] == ' ')
            --length1;
        while (length2 > 0 && b[length2 - 1] == ' ')
            --length2;
        // What two texts share byte for byte is skipped, back to the start of
        // the character where they part (a continuation byte never starts one).
        int i = 0;
        while (i < length1 && i < length2 && a[i] == b[i])
            ++i;
        while (i > 0 && (continues(a, length1, i) || continues(b, length2, i)))
            --i;
        int j = i;
        while (i < length1 && j < length2) {
            // Codes are mostly plain ASCII: those bytes need no decoding.
            if ((a[i] | b[j]) < 0x80) {
                const int ca = foldedAscii(a[i++]);
                const int cb = foldedAscii(b[j++]);
                if (ca != cb)
                    return ca - cb;
                continue;
            }
            const char32_t ca = folded(a, length1, i);
            const char32_t cb = folded(b, length2, j);
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
        return (i < length1) - (j < length2);
    }

    // "text LIKE pattern" under this comparison: '%' stands for any run of
    // characters, '_' for one, and `escape` (0 for none) takes the character
    // after it as it is. Trailing blanks count here, as they do in LIKE.
    static bool likeMatches(const unsigned char* text, int textLength, const unsigned char* pattern,
                            int patternLength, char32_t escape)
    {
        const std::u32string letras = foldedText(text, textLength);
        const std::u32string molde = foldedText(pattern, patternLength);
        enum Tipo { Letra, Uma, Qualquer };
        std::basic_string<Tipo> tipos;
        std::u32string esperadas;
        for (size_t k = 0; k < molde.size(); ++k) {
            if (escape && molde[k] == escape) {
                if (++k == molde.size())
                    return false;
                tipos += Letra;
            } else {
                tipos += molde[k] == U'%' ? Qualquer : molde[k] == U'_' ? Uma : Letra;
            }
            esperadas += molde[k];
        }
        // Each '%' first takes nothing, then one more character each time
        // what follows it fails.
        size_t t = 0, p = 0, ultimoQualquer = std::u32string::npos, retoma = 0;
        while (t < letras.size()) {
            if (p < tipos.size() && (tipos[p] == Uma || (tipos[p] == Letra && esperadas[p] == letras[t]))) {
                ++t;
                ++p;
            } else if (p < tipos.size() && tipos[p] == Qualquer) {
                ultimoQualquer = p++;
                retoma = t;
            } else if (ultimoQualquer != std::u32string::npos) {
                p = ultimoQualquer + 1;
                t = ++retoma;
            } else {
                return false;
            }
        }
        while (p < tipos.size() && tipos[p] == Qualquer)
            ++p;
        return p == tipos.size();
    }

    // The case-folded characters of a UTF-8 text.
    static std::u32string foldedText(const unsigned char* text, int length)
    {
        std::u32string folded;
        for (int at = 0; at < length;)
            folded += ErpCollation::folded(text, length, at);
        return folded;
    }

    // Registers it, and LIKE under it, on a connection; false when SQLite refuses.
    static bool registerOn(sqlite3* handle);

private:
    static int foldedAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }
    static bool continues(const unsigned char* text, int length, int at)
    {
        return at < length && (text[at] & 0xC0) == 0x80;
    }

    // The case-folded character at `at`, which moves past it. A byte that
    // begins no valid UTF-8 sequence stands alone, as a value no character has.
    static char32_t folded(const unsigned char* text, int length, int& at)
    {
        const unsigned char first = text[at++];
        if (first < 0x80)
            return char32_t(foldedAscii(first));
        const int more = first >= 0xF8 ? 0 : first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
        char32_t c = first & (0x3F >> more);
        bool valid = more > 0 && at + more <= length;
        for (int k = 0; valid && k < more; ++k) {
            valid = (text[at + k] & 0xC0) == 0x80;
            c = (c << 6) | (text[at + k] & 0x3F);
        }
        static constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
        if (!valid || c < Least[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return 0xDC00 + first; // a lone surrogate, which valid UTF-8 never holds
        at += more;
        return QChar::toCaseFolded(c);
    }
};

} // namespace zav
