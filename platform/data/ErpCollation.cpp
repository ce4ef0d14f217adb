#include "platform/data/ErpCollation.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <unicode/uset.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
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
    for (unsigned char c = 0; c < 0x80; ++c)
        if (tabledStart_[c + 1] - tabledStart_[c] == 1 && beginsLetter(tabled_[tabledStart_[c]]))
            plainWeight_[c] = tabled_[tabledStart_[c]];

    readContractions();
    tableLetters();
}

// ICU's contractions and context rules ('L' with a middle dot weighs as one
// letter): a character in one does not always weigh alone. A plain byte
// joined only to characters that are not plain stands alone beside plain
// ones, which the comparison tells from its neighbours' bytes.
void ErpCollation::readContractions()
{
    joins_.assign(TabledBelow, 0);
    const auto plain = [this](UChar c) { return c < 0x80 && plainWeight_[c] != 0; };
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<USet, void (*)(USet*)> contractions(uset_openEmpty(), uset_close);
    ucol_getContractionsAndExpansions(collator_, contractions.get(), nullptr, true, &status);
    if (U_FAILURE(status))
        unusable("no contractions", status);
    for (int32_t item = 0; item < uset_getItemCount(contractions.get()); ++item) {
        UChar32 first, last;
        UChar text[64];
        UErrorCode itemStatus = U_ZERO_ERROR;
        const int32_t length = std::min(uset_getItem(contractions.get(), item, &first, &last, text, 64, &itemStatus), 64);
        for (int32_t k = 0; k < length; ++k) {
            const UChar c = text[k];
            if (c >= TabledBelow)
                continue;
            if (!plain(c)) {
                joins_[c] |= JoinsAny;
                continue;
            }
            if (k > 0)
                joins_[c] |= plain(text[k - 1]) ? JoinsAny : JoinsPrevious;
            if (k + 1 < length)
                joins_[c] |= plain(text[k + 1]) ? JoinsAny : JoinsNext;
        }
    }
}

// A letter with its accents is one weight that begins a letter and the
// accents' weights; those of several weights get a value of their own. Where
// two texts first differ at such letters, their primary weights decide.
void ErpCollation::tableLetters()
{
    letter_.assign(TabledBelow, 0);
    primary_.assign(TabledBelow, 0);
    std::map<std::vector<Weight>, Weight> values;
    for (char32_t c = 0; c < TabledBelow; ++c) {
        const auto begin = tabled_.begin() + tabledStart_[c];
        const auto end = tabled_.begin() + tabledStart_[c + 1];
        if (begin == end || !beginsLetter(*begin) || std::any_of(begin + 1, end, beginsLetter))
            continue;
        // No weight has its lowest byte set.
        letter_[c] = end - begin == 1 ? *begin
                                      : values.try_emplace(std::vector<Weight>(begin, end), Weight(values.size() + 1) << 8 | 1)
                                            .first->second;
        // The primary's high half opens the weight, its low half the second half's.
        if (!(joins_[c] & JoinsAny))
            primary_[c] = std::uint32_t(*begin >> 48) << 16 | std::uint32_t(*begin >> 16 & 0xFFFF);
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
    const int quickly = compareQuickly(reinterpret_cast<const unsigned char*>(a), lengthA,
                                       reinterpret_cast<const unsigned char*>(b), lengthB);
    if (quickly != Undecided)
        return quickly;
    UErrorCode status = U_ZERO_ERROR;
    return ucol_strcollUTF8(collator_, a, lengthA, b, lengthB, &status);
}

int ErpCollation::compare(const char16_t* a, int lengthA, const char16_t* b, int lengthB) const
{
    return ucol_strcoll(collator_, a, withoutTrailingBlanks(a, lengthA), b, withoutTrailingBlanks(b, lengthB));
}

std::string ErpCollation::sortKey(const char16_t* text, int length) const
{
    length = withoutTrailingBlanks(text, length);
    std::string key(std::size_t(length) * 2 + 16, '\0');
    for (;;) {
        const int32_t needed = ucol_getSortKey(collator_, text, length, reinterpret_cast<uint8_t*>(key.data()),
                                               int32_t(key.size()));
        if (std::size_t(needed) <= key.size()) {
            key.resize(std::size_t(needed));
            return key;
        }
        key.resize(std::size_t(needed));
    }
}

// What two texts share byte for byte weighs the same in both, and so do
// letters that differ in case only. Where they first differ otherwise, at
// tabled letters standing alone, those letters' primary weights decide when
// they differ: every weight before is the same, and nothing after changes
// theirs. Where one text is the other's beginning, such a letter after it
// makes it the later.
int ErpCollation::compareQuickly(const unsigned char* a, int lengthA, const unsigned char* b, int lengthB) const
{
    const int common = std::min(lengthA, lengthB);
    for (int i = 0;;) {
        for (std::uint64_t x, y; i + 8 <= common; i += 8) {
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y) {
                static_assert(std::endian::native == std::endian::little);
                i += std::countr_zero(x ^ y) / 8;
                break;
            }
        }
        while (i < common && a[i] == b[i])
            ++i;
        if (i == common)
            break;
        int at = i;
        Character x{a[i], 1};
        Character y{b[i], 1};
        if ((a[i] | b[i]) >= 0x80) {
            while (at > 0 && (a[at] & 0xC0) == 0x80)
                --at;
            x = characterAt(a, lengthA, at);
            y = characterAt(b, lengthB, at);
            // Stepped back from a stray continuation byte to a character that
            // ends before it: the texts are not well formed there.
            if (at + x.length <= i || at + y.length <= i)
                return Undecided;
        }
        const std::uint32_t px = primaryOf(x);
        const std::uint32_t py = primaryOf(y);
        if (!px || !py)
            return Undecided;
        if ((joins_[x.code] | joins_[y.code]) && (!standsAlone(a, lengthA, at, x) || !standsAlone(b, lengthB, at, y)))
            return Undecided;
        if (px != py)
            return px < py ? -1 : 1;
        if (letter_[x.code] != letter_[y.code] || x.length != y.length)
            return Undecided;
        i = at + x.length;
    }
    if (lengthA == lengthB)
        return 0;
    const bool aIsLonger = lengthA > lengthB;
    const unsigned char* longer = aIsLonger ? a : b;
    const int longerLength = aIsLonger ? lengthA : lengthB;
    const Character next = characterAt(longer, longerLength, common);
    if (!primaryOf(next) || (joins_[next.code] && !standsAlone(longer, longerLength, common, next)))
        return Undecided;
    return aIsLonger ? 1 : -1;
}

bool ErpCollation::standsAlone(const unsigned char* text, int length, int at, Character c) const
{
    const unsigned char joins = joins_[c.code];
    const int end = at + c.length;
    return !((joins & JoinsNext) && end < length && !plainWeight_[text[end]])
        && !((joins & JoinsPrevious) && at > 0 && !plainWeight_[text[at - 1]]);
}

void ErpCollation::appendWeights(char32_t c, std::vector<Weight>& out) const
{
    if (c < TabledBelow)
        out.insert(out.end(), tabled_.begin() + tabledStart_[c], tabled_.begin() + tabledStart_[c + 1]);
    else
        appendWeightsOf(openElements(collator_).get(), c, out);
}

} // namespace zav
