#pragma once

#include <string>
#include <string_view>

namespace velora::HardWrap {

// Text wrapped at a fixed width (plain-text files, PDF pages) with the line breaks that only
// wrap undone: a line that does not end a sentence and is followed by one that starts in lower
// case joins it with a space, or without the hyphen when a word was split across the two; so
// does, in text wrapped at a prose width, a line that the next line's first word would not have
// fitted on. Blank lines, list items, indented lines and short headings keep their breaks. Line
// ends become LF.
std::string join(std::string_view text);

} // namespace velora::HardWrap
