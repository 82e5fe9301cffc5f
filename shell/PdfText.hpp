#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velora::PdfText {

// The cleaned text the reader would load from a PDF whose pages all hold a text layer, read with
// poppler alone. None for any other file, and for a PDF that fails or has pages to recognise: the
// options program answers those, with the failure in the user's language.
std::optional<std::string> readCleaned(const std::filesystem::path& file);

} // namespace velora::PdfText
