#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace velora {

// One "replace every match" step of a text filter, compiled once and shared between threads.
class RegexReplacement {
public:
    // `lastCharacter`, when given, is a character every match ends with: the search then stops
    // after its last occurrence, so unclosed openers do not each rescan the rest of the text.
    RegexReplacement(const char* pattern, std::uint32_t flags, const char* replacement,
                     std::optional<char16_t> lastCharacter = std::nullopt);
    RegexReplacement(const RegexReplacement&) = delete;
    RegexReplacement& operator=(const RegexReplacement&) = delete;
    ~RegexReplacement();

    void apply(icu::UnicodeString& text) const;

private:
    std::unique_ptr<icu::RegexPattern> pattern_;
    icu::UnicodeString replacement_;
    std::optional<char16_t> lastCharacter_;
};

} // namespace velora
