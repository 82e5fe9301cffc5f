#include "platform/PdfReader.hpp"

#include "core/WhiteSpace.hpp"

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

std::optional<std::string> fileText(const std::filesystem::path& file) {
    silencePoppler();
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_file(file.string()));
    if (!document || document->is_locked()) {
        return std::nullopt;
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
        return std::nullopt;
    }
    return text;
}

} // namespace velora::PdfReader
