#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora::HtmlReader {

// The visible text of an HTML document: the body's text with block elements ending lines,
// scripts, styles and the head dropped, entities decoded. The bytes are decoded in `encoding`
// when given, else in the charset the document declares (byte-order mark or meta element), else
// as UTF-8. Absent when nothing readable is left.
std::optional<std::string> text(std::string_view bytes, const char* encoding = nullptr);

} // namespace velora::HtmlReader
