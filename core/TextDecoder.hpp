#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora::TextDecoder {

// The bytes of a plain-text file as UTF-8 text. Tried in order: UTF-8; UTF-16 or UTF-32 with a
// byte-order mark; the encoding ICU's detector names with enough confidence; ISO 8859-1, which
// takes any bytes. Never fails.
std::string decode(std::string_view bytes);

// The bytes converted from the named charset to UTF-8; absent when the name is unknown or the
// bytes are not valid in that charset.
std::optional<std::string> convert(std::string_view bytes, const char* charset);

} // namespace velora::TextDecoder
