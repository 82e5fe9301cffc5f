#pragma once

#include <cstdint>
#include <memory>
#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace velora {

// One "replace every match" step of a text filter, compiled once and shared between threads.
// Backtracking makes a pattern with an unclosed opener rescan the rest of the text from every
// opener; the hints let the search skip what cannot match, without changing any result.
class RegexReplacement {
public:
    struct Hints {
        // Every match ends with this text (compared case-insensitively), so the search stops
        // after its last occurrence.
        const char16_t* endsWith = nullptr;
        // Every match starts with this text followed by a run without "]" and a "]": whether a
        // match starts at an opener depends only on what follows that first "]", so after one
        // failure every opener before that "]" is passed over. Templates may then only be empty
        // or "$1".
        const char16_t* bracketOpener = nullptr;
    };

    RegexReplacement(const char* pattern, std::uint32_t flags, const char* replacement);
    RegexReplacement(const char* pattern, std::uint32_t flags, const char* replacement,
                     Hints hints);
    RegexReplacement(const RegexReplacement&) = delete;
    RegexReplacement& operator=(const RegexReplacement&) = delete;
    ~RegexReplacement();

    void apply(icu::UnicodeString& text) const;

private:
    std::int32_t searchEnd(const icu::UnicodeString& text) const;
    void applyAtOpeners(icu::UnicodeString& text, std::int32_t end) const;

    std::unique_ptr<icu::RegexPattern> pattern_;
    icu::UnicodeString replacement_;
    icu::UnicodeString endsWith_;
    icu::UnicodeString bracketOpener_;
};

} // namespace velora
