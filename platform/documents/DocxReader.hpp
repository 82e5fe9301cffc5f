#pragma once

#include "app/ImportResult.hpp"
#include "platform/documents/XmlStream.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace velora::DocxReader {

// The text of a Word document's main part (word/document.xml): paragraphs, headings, list items
// and table cells as lines, line breaks, tabs; deleted revisions and field codes left out. Absent
// when the XML is malformed or holds no text.
std::optional<std::string> documentText(XmlStream& documentXml);
std::optional<std::string> documentText(std::string_view documentXml);

// The text of the Word document whose bytes these are.
ImportResult fileText(std::string_view bytes);

} // namespace velora::DocxReader
