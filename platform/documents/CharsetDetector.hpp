#pragma once

#include <string>
#include <string_view>

namespace velora::CharsetDetector {

// The charset uchardet names for text that is not UTF-8, in a spelling ICU converts; empty when
// it cannot tell.
std::string guess(std::string_view bytes);

} // namespace velora::CharsetDetector
