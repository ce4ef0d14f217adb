#include "platform/data/ErpLike.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <string_view>

namespace zav {

namespace {

// What '_' stands for among the weights: no character weighs all ones.
constexpr ErpCollation::Weight OneCharacter = ~ErpCollation::Weight(0);

int withoutTrailingBlanks(const unsigned char* text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

} // namespace

// A text of plain bytes: each byte is a letter of one weight.
struct ErpLikePattern::PlainText {
    const ErpCollation& collation;
    const unsigned char* bytes;
    int size;
    int trimmed; // the size without the trailing blanks
    Weight at(int i) const { return collation.plainWeight(bytes[i]); }
    bool beginsLetter(int) const { return true; }
};

// Any other text, as its weights.
struct ErpLikePattern::WeighedText {
    const Weight* weights;
    const unsigned char* begins;
    int size;
    int trimmed;
    Weight at(int i) const { return weights[i]; }
    bool beginsLetter(int i) const { return i == size || begins[i]; }
};

ErpLikePattern::ErpLikePattern(const ErpCollation& collation, const char* pattern, int length, char32_t escape)
    : collation_(collation), pattern_(pattern, size_t(length)), escape_(escape), segments_(1)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(pattern);
    for (int i = 0; i < length;) {
        UChar32 c;
        U8_NEXT_OR_FFFD(bytes, i, length, c);
        if (escape && char32_t(c) == escape) {
            if (i == length) {
                matchesNothing_ = true;
                break;
            }
            U8_NEXT_OR_FFFD(bytes, i, length, c);
            appendWeights(char32_t(c), segments_.back());
        } else if (c == '%') {
            // A run of '%'s is one.
            if (segments_.size() == 1 || !segments_.back().empty())
                segments_.emplace_back();
        } else if (c == '_') {
            segments_.back().push_back(OneCharacter);
        } else {
            appendWeights(char32_t(c), segments_.back());
        }
    }
    lastIsFixed_ = std::find(segments_.back().begin(), segments_.back().end(), OneCharacter) == segments_.back().end();
}

bool ErpLikePattern::isFor(const char* pattern, int length, char32_t escape) const
{
    return escape == escape_ && std::string_view(pattern, size_t(length)) == pattern_;
}

bool ErpLikePattern::matches(const char* text, int length)
{
    if (matchesNothing_)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const int trimmed = withoutTrailingBlanks(bytes, length);
    if (std::all_of(bytes, bytes + length, [this](unsigned char c) { return collation_.plainWeight(c) != 0; }))
        return matchesText(PlainText{collation_, bytes, length, trimmed});
    weigh(bytes, length, trimmed);
    return matchesText(WeighedText{weights_.data(), beginsLetter_.data(), int(weights_.size()), trimmedWeights_});
}

template <typename Text>
bool ErpLikePattern::matchesText(const Text& text) const
{
    int at = endOfSegmentAt(segments_.front(), text, 0);
    if (segments_.size() == 1)
        return at >= text.trimmed;
    for (size_t s = 1; at >= 0 && s + 1 < segments_.size(); ++s)
        at = endOfFirstMatch(segments_[s], text, at);
    return at >= 0 && endsWith(segments_.back(), text, at);
}

// Where the segment ends when it matches from `at`, or -1. It must end where
// a letter begins: "a%" does not take the 'a' of an 'á'.
template <typename Text>
int ErpLikePattern::endOfSegmentAt(const Segment& segment, const Text& text, int at) const
{
    for (const Weight weight : segment) {
        if (at == text.size)
            return -1;
        if (weight != OneCharacter) {
            if (text.at(at) != weight)
                return -1;
            ++at;
        } else {
            if (!text.beginsLetter(at))
                return -1;
            do
                ++at;
            while (!text.beginsLetter(at));
        }
    }
    return text.beginsLetter(at) ? at : -1;
}

// After a '%': the end of the segment's first match from `from` on, or -1.
// The first match leaves the most text to what follows.
template <typename Text>
int ErpLikePattern::endOfFirstMatch(const Segment& segment, const Text& text, int from) const
{
    const Weight lead = segment.front();
    for (int at = from; at < text.size; ++at) {
        if ((lead == OneCharacter || text.at(at) == lead) && text.beginsLetter(at)) {
            if (const int end = endOfSegmentAt(segment, text, at); end >= 0)
                return end;
        }
    }
    return -1;
}

// After the last '%': whether the segment matches from `from` on, up to the
// text's end or to its trailing blanks.
template <typename Text>
bool ErpLikePattern::endsWith(const Segment& segment, const Text& text, int from) const
{
    if (segment.empty())
        return true;
    const int length = int(segment.size());
    const int first = lastIsFixed_ ? std::max(from, text.trimmed - length) : from;
    const int last = lastIsFixed_ ? text.size - length : text.size - 1;
    for (int at = first; at <= last; ++at)
        if (text.beginsLetter(at) && endOfSegmentAt(segment, text, at) >= text.trimmed)
            return true;
    return false;
}

void ErpLikePattern::weigh(const unsigned char* text, int length, int trimmedLength)
{
    weights_.clear();
    beginsLetter_.clear();
    trimmedWeights_ = -1;
    for (int i = 0; i < length;) {
        if (i == trimmedLength)
            trimmedWeights_ = int(weights_.size());
        UChar32 c;
        U8_NEXT_OR_FFFD(text, i, length, c);
        const size_t first = weights_.size();
        appendWeights(char32_t(c), weights_);
        beginsLetter_.resize(weights_.size(), 0);
        // An accent at the very start has no letter before it to join.
        if (first < weights_.size())
            beginsLetter_[first] = first == 0 || ErpCollation::beginsLetter(weights_[first]);
    }
    if (trimmedWeights_ < 0)
        trimmedWeights_ = int(weights_.size());
}

void ErpLikePattern::appendWeights(char32_t c, std::vector<Weight>& out)
{
    if (c < ErpCollation::TabledBelow)
        return collation_.appendWeights(c, out);
    const auto [known, isNew] = computed_.try_emplace(c);
    if (isNew)
        collation_.appendWeights(c, known->second);
    out.insert(out.end(), known->second.begin(), known->second.end());
}

} // namespace zav
