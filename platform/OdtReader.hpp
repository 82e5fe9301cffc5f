#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velora::OdtReader {

// The text of an OpenDocument text's content.xml: paragraphs, headings and list items as lines,
// runs of spaces (text:s), tabs and line breaks; notes, annotations and tracked deletions left out.
std::optional<std::string> contentText(std::string_view contentXml);

std::optional<std::string> fileText(const std::filesystem::path& file);

} // namespace velora::OdtReader
