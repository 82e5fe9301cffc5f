#pragma once

#include "core/Hyphenator.hpp"
#include "core/Sentences.hpp"
#include "core/Word.hpp"

#include <vector>

namespace velora::WordRhythm {

// How hard each word of a text is to read, relative to the others, in word order: longer words
// and words of more syllables weigh more, numbers and names inside a sentence more still, and a
// word weighs less each time it comes back. Only the ratios between words of one sentence count.
std::vector<double> weights(const std::vector<Word>& words, const TextStarts& starts,
                            const Hyphenator& hyphenator);

} // namespace velora::WordRhythm
