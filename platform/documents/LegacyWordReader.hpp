#pragma once

#include "app/ImportResult.hpp"

#include <filesystem>

namespace velora::LegacyWordReader {

// The installed antiword, or empty when there is none.
std::filesystem::path findTool();

// The text of the Word 97-2003 document open as `descriptor`, as antiword prints it, paragraphs
// on one line each. The tool reads the open file, never its name.
ImportResult text(int descriptor, const std::filesystem::path& antiword);

} // namespace velora::LegacyWordReader
