#pragma once

#include "core/HyphenationSource.hpp"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace velora {

// The hyphenation patterns Debian installs (hyphen-* packages) for the language CLD2 finds in a
// text; each dictionary is loaded once and shared by every text in its language.
class PatternHyphenation final : public HyphenationSource,
                                 public std::enable_shared_from_this<PatternHyphenation> {
public:
    // `fallbackLanguage` ("de_DE", the desktop's) serves texts whose language CLD2 cannot tell.
    explicit PatternHyphenation(
        std::string fallbackLanguage = {},
        std::filesystem::path folder = std::filesystem::path("/usr/share/hyphen"));

    std::shared_ptr<const Hyphenator> forText(std::string_view sample) const override;
    // The patterns for a BCP-47 language code ("de", "en-GB"); the length rule when none are
    // installed.
    std::shared_ptr<const Hyphenator> forLanguage(std::string_view code) const;

    // Loads the fallback language's patterns on Qt's thread pool: a large dictionary takes
    // seconds, which the first text in the desktop's language should not wait for.
    void preload() const;

private:
    std::filesystem::path dictionaryFor(std::string_view code) const;

    std::string fallbackLanguage_;
    std::filesystem::path folder_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::shared_ptr<const Hyphenator>> loaded_;
};

} // namespace velora
