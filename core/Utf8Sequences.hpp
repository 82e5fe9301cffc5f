#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unicode/utf8.h>

// The code points under the characters of Graphemes: how UTF-8 is read one at a time, checked and
// repaired.
namespace velora::Graphemes {

// The code point that starts at `offset`, which moves past it; -1 for an ill-formed sequence,
// which is skipped as one (the text reads U+FFFD for it). `offset` must be inside the text.
inline std::int32_t decode(std::string_view utf8, std::size_t& offset) {
    // No sequence is longer than four bytes; a short window keeps ICU's 32-bit offsets valid in
    // text of any length.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data()) + offset;
    const auto available =
        static_cast<std::int32_t>(std::min<std::size_t>(utf8.size() - offset, 4));
    std::int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(bytes, i, available, c);
    offset += static_cast<std::size_t>(i);
    return c;
}

bool isWellFormed(std::string_view bytes);

// Text that is valid UTF-8, with U+FFFD in place of each ill-formed sequence.
std::string repairUtf8(std::string_view bytes);

} // namespace velora::Graphemes
