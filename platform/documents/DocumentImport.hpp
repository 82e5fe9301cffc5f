#pragma once

#include "app/ImportResult.hpp"

#include <filesystem>

namespace velora::DocumentImport {

// The raw text the reader would load from a file, read with this system's document readers on
// the calling thread, or why there is none.
ImportResult readFile(const std::filesystem::path& file);

} // namespace velora::DocumentImport
