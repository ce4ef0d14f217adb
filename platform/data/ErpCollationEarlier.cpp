#include "platform/data/ErpCollationEarlier.h"

#include <unicode/uchar.h>

namespace zav {

namespace {

int withoutTrailingBlanks(const unsigned char* text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

int foldedAToZ(void*, int length1, const void* text1, int length2, const void* text2)
{
    const auto* a = static_cast<const unsigned char*>(text1);
    const auto* b = static_cast<const unsigned char*>(text2);
    length1 = withoutTrailingBlanks(a, length1);
    length2 = withoutTrailingBlanks(b, length2);
    const int common = length1 < length2 ? length1 : length2;
    for (int i = 0; i < common; ++i) {
        const int ca = (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : a[i];
        const int cb = (b[i] >= 'A' && b[i] <= 'Z') ? b[i] + 32 : b[i];
        if (ca != cb)
            return ca - cb;
    }
    return length1 - length2;
}

// The case-folded character at `at`, which moves past it. A byte that begins
// no valid UTF-8 sequence stands alone, as a value no character has (a lone
// surrogate).
char32_t foldedAt(const unsigned char* text, int length, int& at)
{
    const unsigned char first = text[at++];
    if (first < 0x80)
        return first >= 'A' && first <= 'Z' ? first + 32 : first;
    const int more = first >= 0xF8 ? 0 : first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : 0;
    char32_t c = first & (0x3F >> more);
    bool valid = more > 0 && at + more <= length;
    for (int k = 0; valid && k < more; ++k) {
        valid = (text[at + k] & 0xC0) == 0x80;
        c = (c << 6) | (text[at + k] & 0x3F);
    }
    static constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || c < Least[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0xDC00 + first;
    at += more;
    return char32_t(u_foldCase(UChar32(c), U_FOLD_CASE_DEFAULT));
}

int foldedCodePoints(void*, int length1, const void* text1, int length2, const void* text2)
{
    const auto* a = static_cast<const unsigned char*>(text1);
    const auto* b = static_cast<const unsigned char*>(text2);
    length1 = withoutTrailingBlanks(a, length1);
    length2 = withoutTrailingBlanks(b, length2);
    int i = 0, j = 0;
    while (i < length1 && j < length2) {
        const char32_t ca = foldedAt(a, length1, i);
        const char32_t cb = foldedAt(b, length2, j);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return (i < length1) - (j < length2);
}

} // namespace

ErpCollationEarlier::Compare ErpCollationEarlier::byUserVersion(int userVersion)
{
    switch (userVersion) {
    case 0: return &foldedAToZ;
    case 1: return &foldedCodePoints;
    default: return nullptr;
    }
}

} // namespace zav
