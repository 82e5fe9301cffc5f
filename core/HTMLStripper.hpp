#pragma once

#include <string>
#include <string_view>

namespace velora::HTMLStripper {

// HTML source (UTF-8) to plain reading text by a fixed sequence of pattern replacements; it does
// not parse the markup. Never fails.
std::string plainText(std::string_view html);

} // namespace velora::HTMLStripper
