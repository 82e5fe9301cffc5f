#include "platform/documents/PageRecognizer.hpp"

#include <algorithm>
#include <cstdlib>
#include <omp.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <unicode/locid.h>

namespace velora {

namespace {

constexpr std::string_view dataSuffix = ".traineddata";

bool cancelRecognition(void* monitor, int) {
    return static_cast<const ReadingMonitor*>(monitor)->isCancelled();
}

} // namespace

std::filesystem::path PageRecognizer::dataFolder() {
    const char* prefix = std::getenv("TESSDATA_PREFIX");
    if (prefix != nullptr && *prefix != '\0') {
        return prefix;
    }
    return "/usr/share/tesseract-ocr/5/tessdata";
}

std::vector<std::string> PageRecognizer::installedLanguages(const std::filesystem::path& folder) {
    std::vector<std::string> languages;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > dataSuffix.size() && name.ends_with(dataSuffix) &&
            entry.is_regular_file(error)) {
            languages.push_back(name.substr(0, name.size() - dataSuffix.size()));
        }
    }
    return languages;
}

std::string PageRecognizer::languageOf(const std::string& locale) {
    const icu::Locale parsed = icu::Locale::createCanonical(locale.c_str());
    const std::string_view language = parsed.getLanguage();
    // Tesseract names Chinese by its script, not by its language.
    if (language == "zh") {
        const std::string_view script = parsed.getScript();
        const std::string_view country = parsed.getCountry();
        const bool traditional =
            script == "Hant" ||
            (script.empty() && (country == "TW" || country == "HK" || country == "MO"));
        return traditional ? "chi_tra" : "chi_sim";
    }
    return parsed.getISO3Language();
}

std::optional<std::string> PageRecognizer::bestLanguage(const std::vector<std::string>& installed,
                                                        const std::string& desktopLocale) {
    const auto has = [&](const std::string& language) {
        return !language.empty() &&
               std::find(installed.begin(), installed.end(), language) != installed.end();
    };
    const std::string desktop = languageOf(desktopLocale);
    if (has(desktop)) {
        return desktop;
    }
    if (has("eng")) {
        return "eng";
    }
    return std::nullopt;
}

std::unique_ptr<PageRecognizer> PageRecognizer::open(const std::filesystem::path& folder,
                                                     const std::string& language) {
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    if (api->Init(folder.c_str(), language.c_str(), tesseract::OEM_LSTM_ONLY) != 0) {
        return nullptr;
    }
    return std::unique_ptr<PageRecognizer>(new PageRecognizer(std::move(api)));
}

PageRecognizer::PageRecognizer(std::unique_ptr<tesseract::TessBaseAPI> api)
    : api_(std::move(api)) {}

PageRecognizer::~PageRecognizer() {
    api_->End();
}

std::string PageRecognizer::read(const unsigned char* pixels, int width, int height,
                                 int bytesPerRow, int dpi, const ReadingMonitor* monitor) {
    // Tesseract asks for a fixed team of threads per step; on a busy machine those threads wait
    // on each other for longer than one alone takes, so the team follows the load.
    omp_set_dynamic(1);
    api_->SetImage(pixels, width, height, 1, bytesPerRow);
    api_->SetSourceResolution(dpi);
    tesseract::ETEXT_DESC progress;
    if (monitor != nullptr) {
        progress.cancel = &cancelRecognition;
        progress.cancel_this = const_cast<ReadingMonitor*>(monitor);
    }
    progress.set_deadline_msecs(pageTimeoutMilliseconds);
    std::string text;
    if (api_->Recognize(&progress) == 0) {
        const std::unique_ptr<char[]> utf8(api_->GetUTF8Text());
        if (utf8) {
            text = utf8.get();
        }
    }
    api_->Clear();
    return text;
}

} // namespace velora
