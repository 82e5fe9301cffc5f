#pragma once

#include "app/ImportResult.hpp"
#include "app/platform/DocumentReaders.hpp"
#include "platform/documents/PageRecognizer.hpp"

#include <string_view>

namespace velora::PdfReader {

// Each page's text in reading order, pages joined by an empty line, from the PDF held in `bytes`.
// A page without a text layer is rendered and read by the recognizer `openRecognizer` gives,
// reporting to `monitor`. Fails when the bytes are no readable PDF, when it is locked, and when no
// page gives text.
ImportResult text(std::string_view bytes, const PageRecognizerOpener& openRecognizer,
                  const ReadingMonitor* monitor = nullptr);

} // namespace velora::PdfReader
