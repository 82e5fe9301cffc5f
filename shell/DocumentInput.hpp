#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace velora::DocumentInput {

// The text the reader would load from a document of any supported type, or from standard input
// for "-", before cleaning; reports the failure the reader would show.
std::optional<std::string> read(const std::string& path, std::ostream& err);

// The same, cleaned.
std::optional<std::string> readCleaned(const std::string& path, std::ostream& err);

} // namespace velora::DocumentInput
