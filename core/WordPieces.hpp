#pragma once

#include "core/Hyphenator.hpp"
#include "core/Word.hpp"

#include <cstdint>
#include <vector>

namespace velora::WordPieces {

// A word longer than `maxLength` characters in as few pieces of about even length as fit within
// it, broken at its hyphenation points: each piece but the last ends in a hyphen and has its own
// pivot, all keep the word's id, and only the last keeps its punctuation and paragraph end. A
// word no longer than that, or one without a place to break, is its one piece.
std::vector<Word> of(const Word& word, std::int64_t maxLength, const Hyphenator& hyphenator);

// Each piece's part of the word's time, in proportion to its characters; they add up to one.
std::vector<double> timeShares(const std::vector<Word>& pieces);

} // namespace velora::WordPieces
