#include "core/TextEngine.hpp"

#include "core/ByteScan.hpp"
#include "core/Graphemes.hpp"
#include "core/ScriptWords.hpp"
#include "core/TextSanitizer.hpp"
#include "core/TokenMeasure.hpp"

#include <bit>
#include <span>
#include <unordered_map>

namespace velora::TextEngine {

namespace {

bool separatesTokens(char c) {
    return c == ' ' || c == '\t';
}

bool endsToken(char c) {
    return separatesTokens(c) || c == '\n';
}

// The top bit of each byte of the result is set where that byte ends tokens.
std::uint64_t tokenEnds(std::uint64_t word) {
    static_assert('\n' == '\t' + 1);
    return ByteScan::equal(word, ' ') | ByteScan::between(word, '\t', '\n');
}

// Without a popcount instruction in the baseline target, summing the bytes is cheaper than the
// library call.
std::size_t countTopBits(std::uint64_t topBits) {
    return static_cast<std::size_t>(((topBits >> 7) * 0x0101010101010101ULL) >> 56);
}

// A token starts wherever a byte that ends none follows one that does, or the text.
std::size_t countTokens(std::string_view text) {
    std::size_t n = 0;
    bool previousEnds = true;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        const std::uint64_t ends = tokenEnds(ByteScan::load(text.data() + i));
        const std::uint64_t before = (ends << 8) | (previousEnds ? 0x80U : 0U);
        n += countTopBits(~ends & before & ByteScan::topBits);
        previousEnds = (ends >> 63) != 0;
    }
    for (; i < text.size(); ++i) {
        const bool ends = endsToken(text[i]);
        n += (previousEnds && !ends) ? 1 : 0;
        previousEnds = ends;
    }
    return n;
}

// Where the token that goes on at `i` ends, or, with `asciiOnly`, where it ends or its first byte
// of a longer sequence is.
template <bool asciiOnly> std::size_t tokenEnd(std::string_view text, std::size_t i) {
    while (i + 8 <= text.size()) {
        const std::uint64_t word = ByteScan::load(text.data() + i);
        const std::uint64_t stops = tokenEnds(word) | (asciiOnly ? word & ByteScan::topBits : 0);
        if (stops != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(stops)) / 8;
        }
        i += 8;
    }
    while (i < text.size() && !endsToken(text[i]) &&
           (!asciiOnly || static_cast<unsigned char>(text[i]) < 0x80)) {
        ++i;
    }
    return i;
}

// Calls `visit(begin, asciiEnd, end, endsLine)` for each token, in order; the token's bytes before
// `asciiEnd` are ASCII, and so is all of it when that is `end`.
template <typename Visit> void forEachToken(std::string_view text, Visit visit) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (endsToken(text[i])) {
            ++i;
            continue;
        }
        const std::size_t begin = i;
        const std::size_t asciiEnd = tokenEnd<true>(text, i);
        const bool ascii = asciiEnd == n || static_cast<unsigned char>(text[asciiEnd]) < 0x80;
        i = ascii ? asciiEnd : tokenEnd<false>(text, asciiEnd);
        const std::size_t end = i;
        while (i < n && separatesTokens(text[i])) {
            ++i;
        }
        visit(begin, asciiEnd, end, i == n || text[i] == '\n');
    }
}

// Calls `visit(begin, end)` for each token that ScriptWords may cut, in order; found from the
// rare bytes that mark them rather than by walking every token.
template <typename Visit> void forEachTokenWithLongSequences(std::string_view text, Visit visit) {
    std::size_t i = ScriptWords::nextLetterLead(text, 0);
    while (i < text.size()) {
        std::size_t begin = i;
        while (begin > 0 && !endsToken(text[begin - 1])) {
            --begin;
        }
        const std::size_t end = tokenEnd<false>(text, i);
        visit(begin, end);
        i = ScriptWords::nextLetterLead(text, end);
    }
}

// The tokens that hold several words, found before the word list is made so that it can be sized
// exactly.
class CutTokens {
public:
    explicit CutTokens(std::string_view text) {
        // ICU's dictionary engines spend thousands of instructions on even a short run, and a
        // text repeats its words: a short token is cut once per text.
        std::unordered_map<std::string_view, Range> cutBefore;
        std::vector<ScriptWords::Piece> pieces;
        forEachTokenWithLongSequences(text, [&](std::size_t begin, std::size_t end) {
            const std::string_view token = text.substr(begin, end - begin);
            // Most such tokens end in a dash, an ellipsis or a quote: a look is cheaper than the
            // hash.
            if (!ScriptWords::holdsUnspacedLetters(token)) {
                return;
            }
            const bool remembered = token.size() <= rememberedTokenBytes;
            const auto found = remembered ? cutBefore.find(token) : cutBefore.end();
            const Range range = found != cutBefore.end() ? found->second : cut(token, pieces);
            if (range.count > 1) {
                cuts_.push_back({begin, range});
                extraWords_ += range.count - 1;
            }
            if (remembered && found == cutBefore.end() && cutBefore.size() < rememberedTokens) {
                cutBefore.emplace(token, range);
            }
        });
    }

    // How many more words than tokens the text holds.
    std::size_t extraWords() const { return extraWords_; }

    // The words of the token that starts at `begin`, or none when it is one word; tokens must be
    // asked about in order.
    std::span<const ScriptWords::Piece> take(std::size_t begin) {
        if (next_ == cuts_.size() || cuts_[next_].begin != begin) {
            return {};
        }
        const Cut& cut = cuts_[next_++];
        return std::span(pieces_).subspan(cut.range.first, cut.range.count);
    }

private:
    static constexpr std::size_t rememberedTokenBytes = 64;
    static constexpr std::size_t rememberedTokens = std::size_t{1} << 16;

    // Pieces held in `pieces_`.
    struct Range {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    struct Cut {
        std::size_t begin;
        Range range;
    };

    Range cut(std::string_view token, std::vector<ScriptWords::Piece>& pieces) {
        ScriptWords::cut(token, pieces);
        if (pieces.size() <= 1) {
            return {0, pieces.size()};
        }
        const Range range{pieces_.size(), pieces.size()};
        pieces_.insert(pieces_.end(), pieces.begin(), pieces.end());
        return range;
    }

    std::vector<Cut> cuts_;
    std::vector<ScriptWords::Piece> pieces_;
    std::size_t extraWords_ = 0;
    std::size_t next_ = 0;
};

// Made into the list's element directly: a short text moved or assigned there would be copied
// a second time.
struct WordInPlace {
    std::int64_t id;
    std::string_view text;
    // Bytes that may be read from the start of `text`.
    std::size_t readable;
    TokenMeasure::Measure measure;
    bool isParagraphEnd;

    operator Word() const {
        // A text that fits std::string's own buffer is copied as a block of that buffer's length
        // when the source holds as many bytes: a copy of fixed length is two moves, of any length
        // a call.
        constexpr std::size_t inPlace = 15;
        const bool asBlock = text.size() <= inPlace && readable >= inPlace;
        Word word{id, asBlock ? std::string(text.data(), inPlace) : std::string(text),
                  Word::pivotAt(measure.orp), measure.punctuation, isParagraphEnd};
        word.text.resize(text.size());
        return word;
    }
};

// Takes well-formed text with LF line ends only.
std::vector<Word> tokenizeLines(std::string_view text) {
    CutTokens cuts(text);
    std::vector<Word> words;
    // Exactly sized, so that the list holds no spare capacity.
    words.reserve(countTokens(text) + cuts.extraWords());
    auto add = [&](std::string_view word, const TokenMeasure::Measure& measure,
                   bool isParagraphEnd) {
        const auto readable = static_cast<std::size_t>(text.data() + text.size() - word.data());
        words.emplace_back(WordInPlace{static_cast<std::int64_t>(words.size()), word, readable,
                                       measure, isParagraphEnd});
    };
    const TokenMeasure::AsciiMeasure measureAscii;
    forEachToken(
        text, [&](std::size_t begin, std::size_t asciiEnd, std::size_t end, bool endsLine) {
            const std::string_view token = text.substr(begin, end - begin);
            // No ASCII token is cut.
            if (asciiEnd == end) {
                add(token, measureAscii(token), endsLine);
                return;
            }
            const std::span<const ScriptWords::Piece> pieces = cuts.take(begin);
            if (pieces.empty()) {
                add(token, TokenMeasure::of(token, asciiEnd - begin), endsLine);
                return;
            }
            for (const ScriptWords::Piece& piece : pieces) {
                const std::string_view word = token.substr(piece.begin, piece.end - piece.begin);
                add(word, TokenMeasure::of(word), endsLine && &piece == &pieces.back());
            }
        });
    return words;
}

} // namespace

std::vector<Word> tokenize(std::string_view text) {
    if (!Graphemes::isWellFormed(text)) {
        return tokenizeLines(normalize(Graphemes::repairUtf8(text)));
    }
    if (text.find('\r') != std::string_view::npos) {
        return tokenizeLines(normalize(text));
    }
    return tokenizeLines(text);
}

CleanedWords cleanAndTokenize(std::string_view text) {
    CleanedWords result{TextSanitizer::clean(text), {}};
    // Cleaned text is well-formed and has no CR.
    result.words = tokenizeLines(result.text);
    return result;
}

std::string normalize(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
            continue;
        }
        result += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    return result;
}

SpeechString speechString(std::span<const Word> words) {
    SpeechString result;
    std::vector<std::size_t> marks;
    marks.reserve(words.size() * 2);
    for (const Word& word : words) {
        if (!marks.empty()) {
            result.text += ' ';
        }
        marks.push_back(result.text.size());
        result.text += word.text;
        marks.push_back(result.text.size());
    }

    // Whether a character boundary lies at some offset depends only on the text before it and the
    // one character after it, so the prefix of the joined text that ends at a mark has one
    // character more than the boundaries of the whole text that lie strictly inside it. Counting
    // that way keeps the work linear.
    std::vector<std::int64_t> counts;
    counts.reserve(marks.size());
    std::int64_t boundariesBefore = 0;
    auto countAt = [&](std::size_t mark) {
        return mark == 0 ? std::int64_t{0} : boundariesBefore + 1;
    };
    Graphemes::forEach(result.text, [&](std::size_t, std::size_t end) {
        while (counts.size() < marks.size() && marks[counts.size()] <= end) {
            counts.push_back(countAt(marks[counts.size()]));
        }
        ++boundariesBefore;
    });
    while (counts.size() < marks.size()) {
        counts.push_back(countAt(marks[counts.size()]));
    }

    result.ranges.reserve(words.size());
    for (std::size_t k = 0; k + 1 < counts.size(); k += 2) {
        result.ranges.push_back({counts[k], counts[k + 1]});
    }
    return result;
}

} // namespace velora::TextEngine
