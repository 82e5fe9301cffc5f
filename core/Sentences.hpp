#pragma once

#include "core/Word.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

namespace velora {

// Where the sentences and paragraphs of one word list begin, as ascending word indexes within
// it; both begin with 0 when there are words, and every paragraph start is a sentence start.
struct TextStarts {
    std::vector<std::int64_t> sentences;
    std::vector<std::int64_t> paragraphs;

    bool operator==(const TextStarts&) const = default;
};

namespace Sentences {

// The indexes of the words (as TextEngine::tokenize numbers them in the same text) that begin a
// sentence, ascending: the first word of every line, and every word that follows a sentence break
// of the Unicode rules with common abbreviations kept inside their sentence. A break inside a
// word starts nothing.
std::vector<std::int64_t> starts(std::string_view cleanedText);

// The starts of `words`, tokenized from `cleanedText`.
TextStarts of(const std::vector<Word>& words, std::string_view cleanedText);

// `sentenceStarts` joined with the paragraph starts of `words`; starts outside the words are
// dropped and the rest put in order.
TextStarts indexed(const std::vector<Word>& words, std::vector<std::int64_t> sentenceStarts);

} // namespace Sentences

} // namespace velora
