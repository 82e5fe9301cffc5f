#include "core/WordPieces.hpp"

#include "core/Graphemes.hpp"
#include "core/ORP.hpp"

#include <algorithm>
#include <cstdlib>

namespace velora::WordPieces {

namespace {

Word piece(const Word& word, std::string_view text, bool last) {
    Word result;
    result.id = word.id;
    result.text = std::string(text);
    if (!last && !text.ends_with('-')) {
        result.text += '-';
    }
    result.orp = Word::pivotAt(ORP::index(result.text));
    result.punctuation = last ? word.punctuation : PunctuationWeight::none;
    result.isParagraphEnd = last && word.isParagraphEnd;
    return result;
}

} // namespace

std::vector<Word> of(const Word& word, std::int64_t maxLength, const Hyphenator& hyphenator) {
    std::vector<std::size_t> starts;
    // Punctuation around the word does not make it longer to read.
    std::size_t letters = 0;
    Graphemes::forEach(word.text, [&](std::size_t begin, std::size_t end) {
        starts.push_back(begin);
        letters +=
            ORP::isAlphanumeric(std::string_view(word.text).substr(begin, end - begin)) ? 1 : 0;
    });
    const std::size_t length = starts.size();
    const auto limit = static_cast<std::size_t>(std::max<std::int64_t>(maxLength, 1));
    const std::vector<std::size_t> breaks = hyphenator.breaks(word.text);
    if (letters <= limit || breaks.empty()) {
        return {word};
    }
    // Breaks by the number of characters before them.
    std::vector<std::size_t> positions;
    for (const std::size_t offset : breaks) {
        positions.push_back(static_cast<std::size_t>(
            std::lower_bound(starts.begin(), starts.end(), offset) - starts.begin()));
    }
    const std::size_t count = (letters + limit - 1) / limit;
    std::vector<std::size_t> chosen;
    for (std::size_t m = 1; m < count; ++m) {
        const std::size_t target = m * length / count;
        std::size_t best = positions.size();
        for (std::size_t j = 0; j < positions.size(); ++j) {
            const bool after = chosen.empty() || positions[j] > positions[chosen.back()];
            if (after &&
                (best == positions.size() ||
                 std::abs(static_cast<long>(positions[j]) - static_cast<long>(target)) <
                     std::abs(static_cast<long>(positions[best]) - static_cast<long>(target)))) {
                best = j;
            }
        }
        if (best < positions.size()) {
            chosen.push_back(best);
        }
    }
    std::vector<Word> pieces;
    std::size_t begin = 0;
    for (const std::size_t j : chosen) {
        pieces.push_back(
            piece(word, std::string_view(word.text).substr(begin, breaks[j] - begin), false));
        begin = breaks[j];
    }
    pieces.push_back(piece(word, std::string_view(word.text).substr(begin), true));
    return pieces;
}

std::vector<double> timeShares(const std::vector<Word>& pieces) {
    std::vector<double> shares;
    double total = 0.0;
    for (const Word& piece : pieces) {
        shares.push_back(static_cast<double>(Graphemes::count(piece.text)));
        total += shares.back();
    }
    for (double& share : shares) {
        share = total > 0.0 ? share / total : 1.0 / static_cast<double>(shares.size());
    }
    return shares;
}

} // namespace velora::WordPieces
