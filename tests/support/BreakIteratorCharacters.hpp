#pragma once

#include <memory>
#include <string_view>
#include <unicode/brkiter.h>
#include <unicode/utext.h>
#include <vector>

namespace velora::testsupport {

// The characters of a text as ICU's character break iterator alone finds them, without any of the
// shortcuts the product takes.
inline std::vector<std::string_view> charactersByBreakIterator(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<std::int64_t>(text.size()), &status);
    iterator->setText(&utext, status);
    std::vector<std::string_view> characters;
    std::int32_t begin = iterator->first();
    for (std::int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         begin = end, end = iterator->next()) {
        characters.push_back(
            text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
    }
    utext_close(&utext);
    return characters;
}

} // namespace velora::testsupport
