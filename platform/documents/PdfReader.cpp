#include "platform/documents/PdfReader.hpp"

#include "core/WhiteSpace.hpp"

#include <climits>
#include <memory>
#include <mutex>
#include <poppler-document.h>
#include <poppler-page.h>

namespace velora::PdfReader {

namespace {

// Poppler reports every damaged object on standard error; a reader has no use for that.
void silencePoppler() {
    static std::once_flag once;
    std::call_once(
        once, [] { poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr); });
}

} // namespace

ImportResult text(std::string_view bytes) {
    silencePoppler();
    if (bytes.size() > INT_MAX) {
        return ImportFailure::tooLarge;
    }
    // Poppler reads the caller's bytes in place; they outlive the document.
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
    if (!document) {
        return ImportFailure::damaged;
    }
    if (document->is_locked()) {
        return ImportFailure::passwordProtected;
    }
    std::string text;
    bool first = true;
    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page) {
            continue;
        }
        const poppler::byte_array utf8 =
            page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout).to_utf8();
        // Poppler ends each page with a form feed, after an empty line when the page had text.
        auto end = utf8.end();
        if (end != utf8.begin() && *(end - 1) == '\f') {
            --end;
        }
        while (end != utf8.begin() && *(end - 1) == '\n') {
            --end;
        }
        if (!first) {
            text += "\n\n";
        }
        first = false;
        text.append(utf8.begin(), end);
    }
    if (WhiteSpace::isBlank(text)) {
        return ImportFailure::scannedImages;
    }
    return text;
}

} // namespace velora::PdfReader
