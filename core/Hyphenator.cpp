#include "core/Hyphenator.hpp"

#include "core/Graphemes.hpp"

#include <unicode/uchar.h>

namespace velora {

namespace {

bool isLetter(std::string_view character) {
    return u_isalpha(static_cast<UChar32>(Graphemes::firstCodePoint(character)));
}

} // namespace

std::vector<std::size_t> Hyphenator::breaks(std::string_view word) const {
    std::vector<std::size_t> result;
    std::size_t runStart = 0;
    bool inRun = false;
    bool afterHyphen = false;
    const auto closeRun = [&](std::size_t end) {
        for (const std::size_t offset : letterBreaks(word.substr(runStart, end - runStart))) {
            result.push_back(runStart + offset);
        }
    };
    Graphemes::forEach(word, [&](std::size_t begin, std::size_t end) {
        const std::string_view character = word.substr(begin, end - begin);
        const bool letter = isLetter(character);
        if (letter && !inRun) {
            if (afterHyphen) {
                result.push_back(begin);
            }
            runStart = begin;
        } else if (!letter && inRun) {
            closeRun(begin);
        }
        afterHyphen = !letter && inRun && character == "-";
        inRun = letter;
    });
    if (inRun) {
        closeRun(word.size());
    }
    return result;
}

} // namespace velora
