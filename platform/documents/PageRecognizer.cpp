#include "platform/documents/PageRecognizer.hpp"

#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>
#include <unicode/locid.h>

namespace velora {

namespace {

constexpr std::string_view dataSuffix = ".traineddata";

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
    static const OpenPageRecognizer openModule = [] {
        // The build's own module first, so that a build never runs an installed one.
        for (const char* path : {VELORA_OCR_MODULE_BUILT, VELORA_OCR_MODULE_INSTALLED}) {
            // Kept loaded: the library's threads and static data must outlive every caller.
            if (void* module = ::dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
                return reinterpret_cast<OpenPageRecognizer>(
                    ::dlsym(module, openPageRecognizerSymbol));
            }
        }
        return OpenPageRecognizer{};
    }();
    if (openModule == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<PageRecognizer>(openModule(folder.c_str(), language.c_str()));
}

std::unique_ptr<PageRecognizer> PageRecognizer::openForDesktop() {
    const std::filesystem::path folder = dataFolder();
    const std::optional<std::string> language =
        bestLanguage(installedLanguages(folder), QLocale::system().name().toStdString());
    return language ? open(folder, *language) : nullptr;
}

} // namespace velora
