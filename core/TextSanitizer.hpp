#pragma once

#include <string>
#include <string_view>

namespace velora::TextSanitizer {

// Plain text the tokenizer can split safely: invisible and decorative code points removed, every
// kind of space and bullet made one ordinary space, space runs collapsed, lines trimmed, runs of
// blank lines shrunk to one. Line structure stays. Ill-formed UTF-8 sequences are read as U+FFFD,
// which is removed like any other symbol.
std::string clean(std::string_view text);

} // namespace velora::TextSanitizer
