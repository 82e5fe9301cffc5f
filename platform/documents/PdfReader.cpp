#include "platform/documents/PdfReader.hpp"

#include "core/WhiteSpace.hpp"
#include "platform/documents/PageRecognizer.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <mutex>
#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

namespace velora::PdfReader {

namespace {

// Poppler reports every damaged object on standard error; a reader has no use for that.
void silencePoppler() {
    static std::once_flag once;
    std::call_once(
        once, [] { poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr); });
}

// Recognition reads best near 300 dpi; a page larger than A3 is rendered coarser, so that its
// image stays within 24 MB of grey pixels and recognition's working copies within a few times that.
constexpr double recognitionDpi = 300;
constexpr double maxPagePixels = 24.0 * 1024 * 1024;
constexpr double pointsPerInch = 72;
// Grey levels this light count as paper: a page of only paper needs no recognition.
constexpr unsigned char paper = 250;

// Appends straight from poppler's buffer: a book's text is copied once on its way out.
void appendPageText(const poppler::page& page, std::string& text) {
    const poppler::byte_array utf8 =
        page.text(poppler::rectf(), poppler::page::non_raw_non_physical_layout).to_utf8();
    // Poppler ends each page with a form feed, after an empty line when the page had text.
    auto end = utf8.end();
    if (end != utf8.begin() && *(end - 1) == '\f') {
        --end;
    }
    while (end != utf8.begin() && *(end - 1) == '\n') {
        --end;
    }
    text.append(utf8.begin(), end);
}

bool isBlankImage(const poppler::image& image) {
    const auto* row = reinterpret_cast<const unsigned char*>(image.const_data());
    for (int y = 0; y < image.height(); ++y, row += image.bytes_per_row()) {
        if (std::any_of(row, row + image.width(),
                        [](unsigned char grey) { return grey < paper; })) {
            return false;
        }
    }
    return true;
}

// Reads the pages that hold no text layer; the language data is loaded at the first such page.
class ScannedPages {
public:
    ScannedPages(const PageRecognizerOpener& openRecognizer, const ReadingMonitor* monitor)
        : openRecognizer_(openRecognizer), monitor_(monitor) {
        renderer_.set_image_format(poppler::image::format_gray8);
        renderer_.set_render_hint(poppler::page_renderer::antialiasing);
        renderer_.set_render_hint(poppler::page_renderer::text_antialiasing);
    }

    std::string read(const poppler::page& page, int number, int pages) {
        const poppler::rectf box = page.page_rect();
        const double inches =
            std::abs(box.width() * box.height()) / (pointsPerInch * pointsPerInch);
        const double dpi = inches > 0 ? std::min(recognitionDpi, std::sqrt(maxPagePixels / inches))
                                      : recognitionDpi;
        const poppler::image image = renderer_.render_page(&page, dpi, dpi);
        if (!image.is_valid() || image.width() < 1 || image.height() < 1 || isBlankImage(image) ||
            !ready()) {
            return {};
        }
        if (monitor_ != nullptr && monitor_->recognisingPage) {
            monitor_->recognisingPage(number, pages);
        }
        return recognizer_->read(reinterpret_cast<const unsigned char*>(image.const_data()),
                                 image.width(), image.height(), image.bytes_per_row(),
                                 static_cast<int>(std::lround(dpi)), monitor_);
    }

    bool attempted() const { return attempted_; }
    bool available() const { return recognizer_ != nullptr; }

private:
    bool ready() {
        if (!attempted_) {
            attempted_ = true;
            recognizer_ = openRecognizer_();
        }
        return recognizer_ != nullptr;
    }

    const PageRecognizerOpener& openRecognizer_;
    const ReadingMonitor* monitor_;
    poppler::page_renderer renderer_;
    bool attempted_ = false;
    std::unique_ptr<PageRecognizer> recognizer_;
};

} // namespace

ImportResult text(std::string_view bytes, const PageRecognizerOpener& openRecognizer,
                  const ReadingMonitor* monitor) {
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
    bool recognised = false;
    ScannedPages scanned(openRecognizer, monitor);
    const int pages = document->pages();
    for (int index = 0; index < pages; ++index) {
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page) {
            continue;
        }
        if (!first) {
            text += "\n\n";
        }
        first = false;
        const std::size_t pageStart = text.size();
        appendPageText(*page, text);
        if (WhiteSpace::isBlank(std::string_view(text).substr(pageStart))) {
            text.resize(pageStart);
            text += scanned.read(*page, index + 1, pages);
            recognised =
                recognised || !WhiteSpace::isBlank(std::string_view(text).substr(pageStart));
        }
        if (monitor != nullptr && monitor->isCancelled()) {
            return ImportFailure::cancelled;
        }
    }
    if (WhiteSpace::isBlank(text)) {
        return scanned.attempted() && !scanned.available() ? ImportFailure::recognitionDataMissing
                                                           : ImportFailure::scannedImages;
    }
    return recognised ? ImportResult::recognised(std::move(text)) : ImportResult(std::move(text));
}

} // namespace velora::PdfReader
