#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace velora::DocumentInput {

// The cleaned text the reader would load from a document of any supported type, or from
// standard input for "-"; reports the failure the reader would show.
std::optional<std::string> readCleaned(const std::string& path, std::ostream& err);

} // namespace velora::DocumentInput
