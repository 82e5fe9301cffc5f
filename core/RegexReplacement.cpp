#include "core/RegexReplacement.hpp"

#include <stdexcept>
#include <string>

namespace velora {

RegexReplacement::RegexReplacement(const char* pattern, std::uint32_t flags,
                                   const char* replacement, std::optional<char16_t> lastCharacter)
    : replacement_(icu::UnicodeString::fromUTF8(replacement)), lastCharacter_(lastCharacter) {
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError{};
    pattern_.reset(icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern), flags,
                                              parseError, status));
    if (U_FAILURE(status)) {
        // The patterns are constants of the program: a bad one is a programming error.
        throw std::logic_error(std::string("bad pattern ") + pattern + ": " + u_errorName(status));
    }
}

RegexReplacement::~RegexReplacement() = default;

void RegexReplacement::apply(icu::UnicodeString& text) const {
    std::int32_t end = text.length();
    if (lastCharacter_) {
        end = text.lastIndexOf(*lastCharacter_) + 1;
        if (end == 0) {
            return;
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(text, status));
    if (U_FAILURE(status)) {
        return;
    }
    matcher->region(0, end, status);
    icu::UnicodeString result;
    bool replaced = false;
    while (U_SUCCESS(status) && matcher->find(status)) {
        matcher->appendReplacement(result, replacement_, status);
        replaced = true;
    }
    if (!replaced || U_FAILURE(status)) {
        return;
    }
    matcher->appendTail(result);
    matcher.reset();
    text = std::move(result);
}

} // namespace velora
