#include "shell/PdfText.hpp"

#include "app/DocumentFile.hpp"
#include "core/DocumentFormat.hpp"
#include "core/HardWrap.hpp"
#include "core/TextSanitizer.hpp"
#include "core/WhiteSpace.hpp"
#include "platform/documents/PdfReader.hpp"

#include <new>

namespace velora::PdfText {

namespace {

// The pages' text as poppler gives it; the file's bytes are let go before the text is worked on.
std::optional<std::string> pagesOf(const std::filesystem::path& file) {
    auto opened = DocumentFile::open(file);
    const auto* document = std::get_if<DocumentFile>(&opened);
    if (document == nullptr ||
        DocumentFormats::recognise(document->bytes(), DocumentFile::extension(file)) !=
            DocumentFormat::pdf) {
        return std::nullopt;
    }
    bool recognitionWanted = false;
    ImportResult pages = PdfReader::text(document->bytes(), [&recognitionWanted] {
        recognitionWanted = true;
        return std::unique_ptr<PageRecognizer>();
    });
    if (!pages.ok() || recognitionWanted) {
        return std::nullopt;
    }
    return std::move(pages.text());
}

} // namespace

// The importer's and the command line's steps for a PDF; a test holds both roads to the same bytes.
std::optional<std::string> readCleaned(const std::filesystem::path& file) {
    try {
        std::optional<std::string> pages = pagesOf(file);
        if (!pages) {
            return std::nullopt;
        }
        const std::string text = HardWrap::join(*pages);
        pages.reset();
        if (WhiteSpace::isBlank(text)) {
            return std::nullopt;
        }
        return TextSanitizer::clean(text);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace velora::PdfText
