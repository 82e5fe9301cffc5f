#pragma once

#include <string_view>

namespace velora::WhiteSpace {

// The text without the Unicode White_Space characters at both ends; ill-formed bytes count as
// text.
std::string_view trimmed(std::string_view utf8);

bool isBlank(std::string_view utf8);

} // namespace velora::WhiteSpace
