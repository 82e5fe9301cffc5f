#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora::RtfReader {

// The plain text of an RTF document as UTF-8: paragraphs and line breaks as line feeds, tabs and
// table cells as tabs, \uN and \'hh escapes decoded (the latter in the code page of the document
// or of the current font). Absent when the bytes are not RTF or hold no text.
std::optional<std::string> text(std::string_view rtf);

} // namespace velora::RtfReader
