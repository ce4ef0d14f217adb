#pragma once

#include "platform/data/ErpCollation.h"

#include <string>
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
// A pattern is read once, for every row of the statement that uses it. Texts
// of plain ASCII are matched byte by byte; others are first turned into the
// collator's weights, in a buffer kept from row to row.
class ErpLikePattern {
public:
    // `escape` is 0 for none.
    ErpLikePattern(const ErpCollation& collation, const char* pattern, int length, char32_t escape);

    // Whether this is the pattern read from these arguments.
    bool isFor(const char* pattern, int length, char32_t escape) const;
    bool matches(const char* text, int length);

private:
    using Weight = ErpCollation::Weight;
    // A run of weights and '_'s between two '%'s.
    using Segment = std::vector<Weight>;
    struct PlainText;
    struct WeighedText;

    template <typename Text>
    bool matchesText(const Text& text) const;
    template <typename Text>
    int endOfSegmentAt(const Segment& segment, const Text& text, int at) const;
    template <typename Text>
    int endOfFirstMatch(const Segment& segment, const Text& text, int from) const;
    template <typename Text>
    bool endsWith(const Segment& segment, const Text& text, int from) const;

    // The text's weights, with the positions where a letter begins.
    void weigh(const unsigned char* text, int length, int trimmedLength);
    void appendWeights(char32_t c, std::vector<Weight>& out);

    const ErpCollation& collation_;
    std::string pattern_;
    char32_t escape_;
    // The pattern's runs: the first is matched at the start, the last at the
    // end; a pattern without '%' has one.
    std::vector<Segment> segments_;
    bool lastIsFixed_ = true; // the last run has no '_': it takes as many weights as it has
    bool matchesNothing_ = false; // the pattern ends with its escape character

    std::vector<Weight> weights_;
    std::vector<unsigned char> beginsLetter_;
    int trimmedWeights_ = 0;
    // The weights of characters beyond the collation's table, as rows meet them.
    std::unordered_map<char32_t, std::vector<Weight>> computed_;
};

} // namespace zav
