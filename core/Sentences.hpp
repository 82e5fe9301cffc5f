#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velora::Sentences {

// The indexes of the words (as TextEngine::tokenize numbers them in the same text) that begin a
// sentence, ascending: the first word of every line, and every word that follows a sentence break
// of the Unicode rules with common abbreviations kept inside their sentence. A break inside a
// word, as in text written without spaces, starts nothing.
std::vector<std::int64_t> starts(std::string_view cleanedText);

} // namespace velora::Sentences
