#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velora::WebArchiveReader {

// The text of a saved web archive (a binary or XML property list): the main resource's data read
// as HTML in the resource's recorded text encoding. Absent on anything else.
std::optional<std::string> text(std::string_view bytes);

} // namespace velora::WebArchiveReader
