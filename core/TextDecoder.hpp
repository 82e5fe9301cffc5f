#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velora::TextDecoder {

// Names the likely charset of bytes that are not UTF-8; empty when it cannot tell.
using CharsetGuess = std::function<std::string(std::string_view bytes)>;

// The bytes of a plain-text file as UTF-8 text. Tried in order: UTF-8; UTF-16 or UTF-32 with a
// byte-order mark; the charset `guess` names; ISO 8859-1, which takes any bytes. Never fails.
std::string decode(std::string_view bytes, const CharsetGuess& guess);

// The bytes converted from the named charset to UTF-8; absent when the name is unknown or the
// bytes are not valid in that charset.
std::optional<std::string> convert(std::string_view bytes, const char* charset);

} // namespace velora::TextDecoder
