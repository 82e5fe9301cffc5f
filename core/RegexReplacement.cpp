#include "core/RegexReplacement.hpp"

#include <stdexcept>
#include <string>

namespace velora {

RegexReplacement::RegexReplacement(const char* pattern, std::uint32_t flags,
                                   const char* replacement)
    : RegexReplacement(pattern, flags, replacement, Hints{}) {}

RegexReplacement::RegexReplacement(const char* pattern, std::uint32_t flags,
                                   const char* replacement, Hints hints)
    : replacement_(icu::UnicodeString::fromUTF8(replacement)) {
    if (hints.endsWith != nullptr) {
        endsWith_ = icu::UnicodeString(hints.endsWith);
    }
    if (hints.bracketOpener != nullptr) {
        bracketOpener_ = icu::UnicodeString(hints.bracketOpener);
    }
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError{};
    pattern_.reset(icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern), flags,
                                              parseError, status));
    // The patterns are constants of the program: a bad one is a programming error.
    if (U_FAILURE(status)) {
        throw std::logic_error(std::string("bad pattern ") + pattern + ": " + u_errorName(status));
    }
    if (!bracketOpener_.isEmpty() && !replacement_.isEmpty() && replacement_ != u"$1") {
        throw std::logic_error(std::string("unsupported template for ") + pattern);
    }
}

RegexReplacement::~RegexReplacement() = default;

std::int32_t RegexReplacement::searchEnd(const icu::UnicodeString& text) const {
    if (endsWith_.isEmpty()) {
        return text.length();
    }
    const std::int32_t length = endsWith_.length();
    const char16_t first = endsWith_.charAt(0);
    for (std::int32_t at = text.lastIndexOf(first); at >= 0;
         at = at == 0 ? -1 : text.lastIndexOf(first, 0, at)) {
        if (text.caseCompare(at, length, endsWith_, U_FOLD_CASE_DEFAULT) == 0) {
            return at + length;
        }
    }
    return 0;
}

void RegexReplacement::apply(icu::UnicodeString& text) const {
    const std::int32_t end = searchEnd(text);
    if (end == 0) {
        return;
    }
    if (!bracketOpener_.isEmpty()) {
        applyAtOpeners(text, end);
        return;
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

void RegexReplacement::applyAtOpeners(icu::UnicodeString& text, std::int32_t end) const {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern_->matcher(text, status));
    if (U_FAILURE(status)) {
        return;
    }
    icu::UnicodeString result;
    std::int32_t copied = 0;
    std::int32_t from = 0;
    for (;;) {
        const std::int32_t opener = text.indexOf(bracketOpener_, from);
        if (opener < 0 || opener >= end) {
            break;
        }
        const std::int32_t bracket = text.indexOf(u']', opener + bracketOpener_.length());
        if (bracket < 0) {
            break;
        }
        // Anchored at the opener, so only this start is tried.
        matcher->region(opener, end, status);
        if (U_FAILURE(status)) {
            return;
        }
        if (!matcher->lookingAt(status)) {
            from = bracket;
            continue;
        }
        result.append(text, copied, opener - copied);
        if (!replacement_.isEmpty()) {
            result.append(matcher->group(1, status));
        }
        copied = from = matcher->end(status);
        if (U_FAILURE(status)) {
            return;
        }
    }
    if (copied == 0) {
        return;
    }
    result.append(text, copied, text.length() - copied);
    matcher.reset();
    text = std::move(result);
}

} // namespace velora
