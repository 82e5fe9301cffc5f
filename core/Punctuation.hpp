#pragma once

#include "core/Word.hpp"

#include <array>
#include <string_view>

namespace velora::Punctuation {

// Sentence ends.
inline constexpr std::array<char32_t, 4> major{U'.', U'!', U'?', U'\u2026'};
// Comma-like marks, including the em and en dash.
inline constexpr std::array<char32_t, 5> minor{U',', U';', U':', U'\u2014', U'\u2013'};
// Closing quotes and brackets that may follow the mark that counts.
inline constexpr std::array<char32_t, 8> skippable{U'"', U'\'',     U')',      U']',
                                                   U'}', U'\u00BB', U'\u201D', U'\u2019'};

// The weight of the last mark of a token once closing quotes and brackets are skipped.
PunctuationWeight weight(std::string_view token);

} // namespace velora::Punctuation
