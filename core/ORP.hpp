#pragma once

#include <cstdint>
#include <string_view>

namespace velora::ORP {

// The character index of a token's pivot: the middle of its alphanumeric core, the left one of
// two middles; the middle of the whole token when it has no letter or number.
std::int64_t index(std::string_view token);

// A letter (Alphabetic) or a number (any Numeric_Type), judged by the character's first code point.
bool isAlphanumeric(std::string_view character);
bool isAlphanumeric(std::int32_t codePoint);

} // namespace velora::ORP
