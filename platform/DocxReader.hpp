#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velora::DocxReader {

// The text of a Word document's main part (word/document.xml): paragraphs, headings, list items
// and table cells as lines, line breaks, tabs; deleted revisions and field codes left out.
std::optional<std::string> documentText(std::string_view documentXml);

std::optional<std::string> fileText(const std::filesystem::path& file);

} // namespace velora::DocxReader
