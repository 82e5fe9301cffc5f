#pragma once

#include "app/platform/DocumentReaders.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// Reads the text of one image of a page. Made once per document, since loading the language data
// costs more than a page; used by one thread at a time. The recognition library is a module of
// its own, loaded at the first scanned page, so that reading any other document (and starting
// the program) loads none of it.
class PageRecognizer {
public:
    // A page gives up after this and keeps what it read; a hostile image cannot hold the reader.
    static constexpr int pageTimeoutMilliseconds = 60000;

    // The folder of the installed language data: TESSDATA_PREFIX when set, else Debian's.
    static std::filesystem::path dataFolder();
    // The language data installed in `folder`, by tesseract's names ("eng", "deu", "chi_sim").
    static std::vector<std::string> installedLanguages(const std::filesystem::path& folder);
    // Tesseract's name for the language of `locale` ("de_DE", "zh_TW"); empty when unknown.
    static std::string languageOf(const std::string& locale);
    // The desktop's language when its data is installed, else English; none without either.
    static std::optional<std::string> bestLanguage(const std::vector<std::string>& installed,
                                                   const std::string& desktopLocale);

    // None when the module or the language data cannot be loaded.
    static std::unique_ptr<PageRecognizer> open(const std::filesystem::path& folder,
                                                const std::string& language);
    // In the best language for the desktop's locale, from the installed data.
    static std::unique_ptr<PageRecognizer> openForDesktop();
    virtual ~PageRecognizer() = default;

    // The text of an 8-bit grey image taken at `dpi`; stops early when `monitor` cancels.
    virtual std::string read(const unsigned char* pixels, int width, int height, int bytesPerRow,
                             int dpi, const ReadingMonitor* monitor) = 0;
};

// Called at the first page that needs recognition; none when recognition is unavailable.
using PageRecognizerOpener = std::function<std::unique_ptr<PageRecognizer>()>;

// The module's one entry point.
extern "C" {
using OpenPageRecognizer = PageRecognizer* (*)(const char* folder, const char* language);
}
constexpr auto openPageRecognizerSymbol = "velora_open_page_recognizer";

} // namespace velora
