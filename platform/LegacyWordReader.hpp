#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velora::LegacyWordReader {

// The installed antiword, or empty when there is none.
std::filesystem::path findTool();

// The text of a Word 97-2003 document as antiword prints it, paragraphs on one line each.
// Absent when the tool is missing or fails, and when the document holds no text.
std::optional<std::string> fileText(const std::filesystem::path& file,
                                    const std::filesystem::path& antiword);

} // namespace velora::LegacyWordReader
