#include "platform/data/ErpCollation.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zav {

namespace {

// SQL Server reads these ligatures as the letters they join, where ICU's root
// rules set them apart at the accents' strength: tailored to differ from
// their letters in case only.
constexpr char16_t Ligatures[] = u"&ss<<<ß<<<ẞ &oe<<<œ<<<Œ &ae<<<æ<<<Æ";

template <typename Char>
int withoutTrailingBlanks(const Char* text, int length)
{
    while (length > 0 && text[length - 1] == Char(' '))
        --length;
    return length;
}

[[noreturn]] void unusable(const char* what, UErrorCode status)
{
    std::fprintf(stderr, "%s: %s (%s)\n", ErpCollation::Name, what, u_errorName(status));
    std::abort();
}

struct ElementsCloser {
    void operator()(UCollationElements* elements) const { ucol_closeElements(elements); }
};
using Elements = std::unique_ptr<UCollationElements, ElementsCloser>;

Elements openElements(const UCollator* collator)
{
    UErrorCode status = U_ZERO_ERROR;
    Elements elements(ucol_openElements(collator, nullptr, 0, &status));
    if (U_FAILURE(status))
        unusable("no collation elements", status);
    return elements;
}

// The collation elements of `c` as weights of its primary and secondary
// levels: the tertiary (case and width) is dropped, and an element ICU splits
// in two comes back whole.
void appendWeightsOf(UCollationElements* elements, char32_t c, std::vector<ErpCollation::Weight>& out)
{
    UChar units[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, c);
    UErrorCode status = U_ZERO_ERROR;
    ucol_setText(elements, units, length, &status);
    const size_t first = out.size();
    for (int32_t element; (element = ucol_next(elements, &status)) != UCOL_NULLORDER && U_SUCCESS(status);) {
        const auto levels = std::uint32_t(element) & 0xFFFFFF00u;
        const bool continuation = (element & 0xC0) == 0xC0;
        if (continuation)
            out.back() |= levels;
        else
            out.push_back(ErpCollation::Weight(levels) << 32);
    }
    out.erase(std::remove(out.begin() + std::ptrdiff_t(first), out.end(), ErpCollation::Weight(0)), out.end());
}

} // namespace

const ErpCollation& ErpCollation::instance()
{
    static const ErpCollation collation;
    return collation;
}

ErpCollation::ErpCollation()
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError where;
    collator_ = ucol_openRules(Ligatures, -1, UCOL_ON, UCOL_SECONDARY, &where, &status);
    if (U_FAILURE(status))
        unusable("no collator", status);

    const Elements elements = openElements(collator_);
    tabledStart_.reserve(TabledBelow + 1);
    for (char32_t c = 0; c < TabledBelow; ++c) {
        tabledStart_.push_back(std::uint32_t(tabled_.size()));
        appendWeightsOf(elements.get(), c, tabled_);
    }
    tabledStart_.push_back(std::uint32_t(tabled_.size()));

    // A plain byte is an ASCII character of one weight that begins a letter:
    // texts of them compare as the sequences of their ranks do.
    std::vector<unsigned char> plain;
    for (unsigned char c = 0; c < 0x80; ++c) {
        if (tabledStart_[c + 1] - tabledStart_[c] == 1 && beginsLetter(tabled_[tabledStart_[c]])) {
            plain.push_back(c);
            plainWeight_[c] = tabled_[tabledStart_[c]];
        }
    }
    const auto order = [this](unsigned char a, unsigned char b) {
        const char16_t x = a, y = b;
        return ucol_strcoll(collator_, &x, 1, &y, 1);
    };
    std::stable_sort(plain.begin(), plain.end(), [&](unsigned char a, unsigned char b) { return order(a, b) < 0; });
    unsigned char rank = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (i == 0 || order(plain[i - 1], plain[i]) != 0)
            ++rank;
        rank_[plain[i]] = rank;
    }
}

ErpCollation::~ErpCollation()
{
    ucol_close(collator_);
}

int ErpCollation::indexVersion() const
{
    UVersionInfo icu;
    ucol_getVersion(collator_, icu);
    return Version << 24 | ((icu[0] << 16 | icu[1] << 8 | icu[2]) ^ icu[3]);
}

int ErpCollation::compare(const char* a, int lengthA, const char* b, int lengthB) const
{
    lengthA = withoutTrailingBlanks(a, lengthA);
    lengthB = withoutTrailingBlanks(b, lengthB);
    const int plain = comparePlain(reinterpret_cast<const unsigned char*>(a), lengthA,
                                   reinterpret_cast<const unsigned char*>(b), lengthB);
    if (plain != NotPlain)
        return plain;
    UErrorCode status = U_ZERO_ERROR;
    return ucol_strcollUTF8(collator_, a, lengthA, b, lengthB, &status);
}

int ErpCollation::compare(const char16_t* a, int lengthA, const char16_t* b, int lengthB) const
{
    return ucol_strcoll(collator_, a, withoutTrailingBlanks(a, lengthA), b, withoutTrailingBlanks(b, lengthB));
}

int ErpCollation::comparePlain(const unsigned char* a, int lengthA, const unsigned char* b, int lengthB) const
{
    const int common = std::min(lengthA, lengthB);
    int i = 0;
    for (; i < common; ++i) {
        const int x = rank_[a[i]];
        const int y = rank_[b[i]];
        if (x == 0 || y == 0)
            return NotPlain;
        if (x != y)
            break;
    }
    // Ranks decide only when both texts are plain to their ends.
    if (!isPlain(a + i, lengthA - i) || !isPlain(b + i, lengthB - i))
        return NotPlain;
    if (i < common)
        return rank_[a[i]] < rank_[b[i]] ? -1 : 1;
    return (lengthA > lengthB) - (lengthA < lengthB);
}

bool ErpCollation::isPlain(const unsigned char* text, int length) const
{
    for (int i = 0; i < length; ++i)
        if (rank_[text[i]] == 0)
            return false;
    return true;
}

void ErpCollation::appendWeights(char32_t c, std::vector<Weight>& out) const
{
    if (c < TabledBelow)
        out.insert(out.end(), tabled_.begin() + tabledStart_[c], tabled_.begin() + tabledStart_[c + 1]);
    else
        appendWeightsOf(openElements(collator_).get(), c, out);
}

} // namespace zav
