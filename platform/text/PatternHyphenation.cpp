#include "platform/text/PatternHyphenation.hpp"

#include "core/LengthHyphenator.hpp"
#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/text/PatternHyphenator.hpp"

#include <QString>
#include <QThreadPool>
#include <algorithm>
#include <system_error>

namespace velora {

PatternHyphenation::PatternHyphenation(std::string fallbackLanguage, std::filesystem::path folder)
    : fallbackLanguage_(std::move(fallbackLanguage)), folder_(std::move(folder)) {}

std::shared_ptr<const Hyphenator> PatternHyphenation::forText(std::string_view sample) const {
    const std::optional<QString> language = Cld2LanguageRecognizer().dominantLanguage(
        QString::fromUtf8(sample.data(), static_cast<qsizetype>(sample.size())));
    return forLanguage(language ? language->toStdString() : fallbackLanguage_);
}

void PatternHyphenation::preload() const {
    // Qt's own pool, which the application waits for at quit: no thread outlives the program.
    QThreadPool::globalInstance()->start(
        [self = shared_from_this()] { self->forLanguage(self->fallbackLanguage_); });
}

std::shared_ptr<const Hyphenator> PatternHyphenation::forLanguage(std::string_view code) const {
    const std::lock_guard lock(mutex_);
    std::filesystem::path file = dictionaryFor(code);
    std::error_code error;
    // Variants of a language often link one file: it is loaded once.
    if (const std::filesystem::path target = std::filesystem::canonical(file, error); !error) {
        file = target;
    }
    auto& entry = loaded_[file.string()];
    if (!entry) {
        std::shared_ptr<const Hyphenator> patterns;
        if (!file.empty()) {
            patterns = PatternHyphenator::load(file);
        }
        entry = patterns ? patterns : std::make_shared<LengthHyphenator>();
    }
    return entry;
}

// "en-GB" takes hyph_en_GB.dic when installed, else any dictionary of the language, the
// plainest name first (hyph_en.dic links the usual variant).
std::filesystem::path PatternHyphenation::dictionaryFor(std::string_view code) const {
    std::string tag(code);
    std::replace(tag.begin(), tag.end(), '-', '_');
    const std::string language = tag.substr(0, tag.find('_'));
    if (language.empty()) {
        return {};
    }
    std::error_code error;
    if (tag != language) {
        const std::filesystem::path exact = folder_ / ("hyph_" + tag + ".dic");
        if (std::filesystem::is_regular_file(exact, error)) {
            return exact;
        }
    }
    std::vector<std::filesystem::path> candidates;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name == "hyph_" + language + ".dic" || name.starts_with("hyph_" + language + "_")) {
            candidates.push_back(it->path());
        }
    }
    if (candidates.empty()) {
        return {};
    }
    return *std::min_element(candidates.begin(), candidates.end(),
                             [](const auto& a, const auto& b) {
                                 const auto la = a.filename().string().size();
                                 const auto lb = b.filename().string().size();
                                 return la != lb ? la < lb : a < b;
                             });
}

} // namespace velora
