#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velora::PdfReader {

// Each page's text in reading order, pages joined by an empty line. Absent when the file is no
// readable PDF (or is locked) and when no page has a text layer.
std::optional<std::string> fileText(const std::filesystem::path& file);

} // namespace velora::PdfReader
