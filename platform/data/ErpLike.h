#pragma once

#include "platform/data/ErpCollation.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace zav {

// "text LIKE pattern" under the company database's comparison: '%' stands for
// any run of characters, '_' for one, and the escape character (when there is
// one) takes the character after it as it is. Letters match as `=` holds them
// equal: case ignored, accents counted, 'ß' matching 'ss' and a composed 'é'
// an 'e' with a combining accent; '_' takes a letter with its accents. As SQL
// Server does, the text's trailing blanks need not be matched: 'ABC ' LIKE
// 'abc' holds.
//
// A pattern is read once, for every row of the statement that uses it. A text
// is matched as it stands, a letter (with its accents) at a time, skipping
// straight to the bytes that may begin a match; only where it meets a
// character that is no such letter ('ß', an accent alone, a character past
// the collation's table) is the text turned into the collator's weights, in
// a buffer kept from row to row, and matched again.
class ErpLikePattern {
public:
    // `escape` is 0 for none.
    ErpLikePattern(const ErpCollation& collation, const char* pattern, int length, char32_t escape);

    char32_t escape() const { return escape_; }
    bool matches(const char* text, int length);

private:
    using Weight = ErpCollation::Weight;
    // A run of the pattern between two '%'s: what each character must weigh,
    // or '_'. The first run is matched at the start, the last at the end; a
    // pattern without '%' has one.
    struct Segment {
        std::vector<Weight> weights;
        // The bytes where a match of the run may begin in a text of letters.
        std::array<bool, 256> mayBegin{};
    };
    struct LetterText;
    struct WeighedText;
    // A match found, none, or none that a text of letters can tell.
    enum class Verdict { Match, NoMatch, Unsure };

    template <typename Text>
    Verdict matchesText(const std::vector<Segment>& segments, const Text& text) const;
    template <typename Text>
    int endOfSegmentAt(const Segment& segment, const Text& text, int at) const;
    template <typename Text>
    int endOfFirstMatch(const Segment& segment, const Text& text, int from, int leastEnd) const;
    void markBeginnings(Segment& segment) const;

    // The text's weights, with the positions where a letter begins.
    void weigh(const unsigned char* text, int length, int trimmedLength);
    void appendWeights(char32_t c, std::vector<Weight>& out);

    const ErpCollation& collation_;
    char32_t escape_;
    bool matchesNothing_ = false; // the pattern ends with its escape character
    // The runs by the weights of the characters, and by letters (each
    // character of the pattern one letter with its accents), when it is so.
    std::vector<Segment> byWeights_;
    std::vector<Segment> byLetters_;
    bool lettersOnly_ = true;

    std::vector<Weight> weights_;
    std::vector<unsigned char> beginsLetter_;
    int trimmedWeights_ = 0;
    // The weights of characters beyond the collation's table, as rows meet them.
    std::unordered_map<char32_t, std::vector<Weight>> computed_;
};

} // namespace zav
