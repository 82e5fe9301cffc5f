#pragma once

#include "core/Word.hpp"

#include <cstdint>
#include <string_view>

namespace velora::TokenMeasure {

struct Measure {
    std::int64_t orp = 0;
    PunctuationWeight punctuation = PunctuationWeight::none;
    bool operator==(const Measure&) const = default;
};

// ORP::index and Punctuation::weight of a token. Nearly every word is made of characters that are
// one code point, or a base with plain marks, whose bounds need no break iterator: such a token is
// measured in one walk, any other the general way.
Measure of(std::string_view token);

// The same for a token of ASCII without CR, where each byte is a character.
Measure ofSimpleAscii(std::string_view token);

} // namespace velora::TokenMeasure
