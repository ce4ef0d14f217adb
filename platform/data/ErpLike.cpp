#include "platform/data/ErpLike.h"

#include <unicode/utf8.h>

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

// What an unfinished match returns when the text must be weighed to tell.
constexpr int Unsure = -2;

} // namespace

// A text as it stands: each character a letter with its accents (ASCII, or
// two bytes of a tabled one), or, weighing 0, a character that is none, or
// one that an accent alone may follow (from U+0300 on), joining it.
struct ErpLikePattern::LetterText {
    const ErpCollation& collation;
    const unsigned char* bytes;
    int size;
    int trimmed; // the size without the trailing blanks
    Weight at(int i) const
    {
        Weight letter = 0;
        int next = i + 1;
        if (bytes[i] < 0x80) {
            letter = collation.plainWeight(bytes[i]);
        } else if (bytes[i] >= 0xC2 && bytes[i] < 0xE0 && i + 1 < size && (bytes[i + 1] & 0xC0) == 0x80) {
            letter = collation.letterOf(char32_t(bytes[i] & 0x1F) << 6 | (bytes[i + 1] & 0x3F));
            ++next;
        }
        return next < size && bytes[next] >= 0xCC ? 0 : letter;
    }
    int next(int i) const { return i + (bytes[i] < 0x80 ? 1 : 2); }
    bool beginsLetter(int) const { return true; }
    int candidate(int at, const Segment& segment) const
    {
        while (at < size && !segment.mayBegin[bytes[at]])
            ++at;
        return at;
    }
};

// A text as its weights.
struct ErpLikePattern::WeighedText {
    const Weight* weights;
    const unsigned char* begins;
    int size;
    int trimmed;
    Weight at(int i) const { return weights[i]; }
    int next(int i) const { return i + 1; }
    bool beginsLetter(int i) const { return i == size || begins[i]; }
    int candidate(int at, const Segment&) const { return at; }
};

ErpLikePattern::ErpLikePattern(const ErpCollation& collation, const char* pattern, int length, char32_t escape)
    : collation_(collation), escape_(escape), byWeights_(1), byLetters_(1)
{
    const auto literal = [this](char32_t c) {
        appendWeights(c, byWeights_.back().weights);
        const Weight letter = collation_.letterOf(c);
        lettersOnly_ = lettersOnly_ && letter != 0;
        byLetters_.back().weights.push_back(letter);
    };
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
            literal(char32_t(c));
        } else if (c == '%') {
            // A run of '%'s is one.
            if (byWeights_.size() == 1 || !byWeights_.back().weights.empty()) {
                byWeights_.emplace_back();
                byLetters_.emplace_back();
            }
        } else if (c == '_') {
            byWeights_.back().weights.push_back(OneCharacter);
            byLetters_.back().weights.push_back(OneCharacter);
        } else {
            literal(char32_t(c));
        }
    }
    for (Segment& segment : byLetters_)
        markBeginnings(segment);
}

// In a text of letters a match of the run begins at its first letter, or at
// a character that is none, which the text must be weighed to judge ('ß' may
// begin "ss"); with '_' first, at any character. Never at a byte inside a
// character, nor at one that begins no character: those stand for a
// character that begins no match but '_'.
void ErpLikePattern::markBeginnings(Segment& segment) const
{
    if (segment.weights.empty())
        return;
    const Weight lead = segment.weights.front();
    if (lead == OneCharacter)
        return segment.mayBegin.fill(true);
    for (int byte = 0; byte < 0x80; ++byte)
        segment.mayBegin[byte] = collation_.plainWeight(byte) == lead;
    for (int byte = 0xE0; byte < 0x100; ++byte)
        segment.mayBegin[byte] = true;
    for (char32_t c = 0x80; c < 0x800; ++c) {
        const Weight letter = collation_.letterOf(c);
        if (!letter || letter == lead)
            segment.mayBegin[0xC0 | (c >> 6)] = true;
    }
}

bool ErpLikePattern::matches(const char* text, int length)
{
    if (matchesNothing_)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const int trimmed = withoutTrailingBlanks(bytes, length);
    if (lettersOnly_) {
        const Verdict verdict = matchesText(byLetters_, LetterText{collation_, bytes, length, trimmed});
        if (verdict != Verdict::Unsure)
            return verdict == Verdict::Match;
    }
    weigh(bytes, length, trimmed);
    const WeighedText weighed{weights_.data(), beginsLetter_.data(), int(weights_.size()), trimmedWeights_};
    return matchesText(byWeights_, weighed) == Verdict::Match;
}

template <typename Text>
ErpLikePattern::Verdict ErpLikePattern::matchesText(const std::vector<Segment>& segments, const Text& text) const
{
    const auto verdict = [](int end) {
        return end >= 0 ? Verdict::Match : end == Unsure ? Verdict::Unsure : Verdict::NoMatch;
    };
    int at = endOfSegmentAt(segments.front(), text, 0);
    if (segments.size() == 1)
        return verdict(at >= 0 && at < text.trimmed ? -1 : at);
    for (size_t s = 1; at >= 0 && s + 1 < segments.size(); ++s)
        at = endOfFirstMatch(segments[s], text, at, 0);
    if (at < 0 || segments.back().weights.empty())
        return verdict(at);
    // The last run ends the text, or reaches its trailing blanks.
    return verdict(endOfFirstMatch(segments.back(), text, at, text.trimmed));
}

// Where the segment ends when it matches from `at`, -1 when it does not, or
// Unsure. It must end where a letter begins: "a%" does not take the 'a' of
// an 'á'.
template <typename Text>
int ErpLikePattern::endOfSegmentAt(const Segment& segment, const Text& text, int at) const
{
    for (const Weight weight : segment.weights) {
        if (at == text.size)
            return -1;
        const Weight here = text.at(at);
        if (!here)
            return Unsure;
        if (weight != OneCharacter) {
            if (here != weight)
                return -1;
            at = text.next(at);
        } else {
            if (!text.beginsLetter(at))
                return -1;
            do
                at = text.next(at);
            while (!text.beginsLetter(at));
        }
    }
    if (at == text.size)
        return at;
    if (!text.at(at))
        return Unsure;
    return text.beginsLetter(at) ? at : -1;
}

// After a '%': the end of the segment's first match from `from` on that ends
// at `leastEnd` or later, -1 when there is none, or Unsure. The first match
// leaves the most text to what follows.
template <typename Text>
int ErpLikePattern::endOfFirstMatch(const Segment& segment, const Text& text, int from, int leastEnd) const
{
    const Weight lead = segment.weights.front();
    for (int at = text.candidate(from, segment); at < text.size; at = text.candidate(text.next(at), segment)) {
        const Weight here = text.at(at);
        if (!here)
            return Unsure;
        if ((lead == OneCharacter || here == lead) && text.beginsLetter(at)) {
            if (const int end = endOfSegmentAt(segment, text, at); end >= leastEnd || end == Unsure)
                return end;
        }
    }
    return -1;
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
