#pragma once

#include "app/ImportResult.hpp"
#include "platform/documents/XmlStream.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace velora::OdtReader {

// The text of an OpenDocument text's content.xml: paragraphs, headings and list items as lines,
// runs of spaces (text:s), tabs and line breaks; notes, annotations and tracked deletions left out.
// Absent when the XML is malformed or holds no text.
std::optional<std::string> contentText(XmlStream& contentXml);
std::optional<std::string> contentText(std::string_view contentXml);

// The text of the OpenDocument text whose bytes these are.
ImportResult fileText(std::string_view bytes);

} // namespace velora::OdtReader
