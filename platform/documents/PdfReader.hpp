#pragma once

#include "app/ImportResult.hpp"

#include <string_view>

namespace velora::PdfReader {

// Each page's text in reading order, pages joined by an empty line, from the PDF held in `bytes`.
// Fails when the bytes are no readable PDF, when it is locked, and when no page has a text layer.
ImportResult text(std::string_view bytes);

} // namespace velora::PdfReader
