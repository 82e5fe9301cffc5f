#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velora::Graphemes {

// User-perceived characters (extended grapheme clusters) of UTF-8 text. Ill-formed sequences
// count as one U+FFFD each. Plain ASCII without CR takes a fast path.
std::vector<std::string_view> split(std::string_view utf8);
std::size_t count(std::string_view utf8);

// The first `n` characters of the text (all of it when it has fewer).
std::string_view prefix(std::string_view utf8, std::size_t n);

// Text that is valid UTF-8, with U+FFFD in place of each ill-formed sequence.
std::string repairUtf8(std::string_view bytes);

} // namespace velora::Graphemes
