#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velora::DocumentImport {

// The raw text the reader would load from a file, read with this system's document readers on
// the calling thread; absent when the file cannot be read or yields no text.
std::optional<std::string> readFile(const std::filesystem::path& file);

} // namespace velora::DocumentImport
