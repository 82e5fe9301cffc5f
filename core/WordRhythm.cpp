#include "core/WordRhythm.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unordered_map>

namespace velora::WordRhythm {

namespace {

// Fitted so that a five-letter, two-syllable word weighs about one.
constexpr double fixedWeight = 0.35;
constexpr double perCharacter = 0.07;
constexpr double perSyllable = 0.15;
constexpr double numberStretch = 1.3;
constexpr double nameStretch = 1.2;
// Each doubling of the times a word was seen before takes this much off, down to the floor.
constexpr double repeatDiscount = 0.08;
constexpr double repeatFloor = 0.7;
constexpr double lightest = 0.4;
constexpr double heaviest = 3.0;

struct Shape {
    // Letters and digits only, so "end." and "End" are the same word seen twice.
    std::string core;
    std::size_t characters = 0;
    bool hasDigit = false;
    bool startsUpper = false;
};

Shape shapeOf(std::string_view text) {
    Shape shape;
    bool first = true;
    Graphemes::forEach(text, [&](std::size_t begin, std::size_t end) {
        const std::string_view character = text.substr(begin, end - begin);
        const auto c = static_cast<UChar32>(Graphemes::firstCodePoint(character));
        if (!u_isalnum(c)) {
            return;
        }
        shape.core += character;
        ++shape.characters;
        shape.hasDigit = shape.hasDigit || u_isdigit(c);
        if (first) {
            shape.startsUpper = u_isupper(c) || u_istitle(c);
            first = false;
        }
    });
    return shape;
}

std::string folded(std::string_view text) {
    std::string key;
    icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())))
        .foldCase()
        .toUTF8String(key);
    return key;
}

} // namespace

std::vector<double> weights(const std::vector<Word>& words, const TextStarts& starts,
                            const Hyphenator& hyphenator) {
    std::vector<double> result;
    result.reserve(words.size());
    std::unordered_map<std::string, std::size_t> seen;
    auto nextStart = starts.sentences.begin();
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool opensSentence = i == 0 || (nextStart != starts.sentences.end() &&
                                              *nextStart == static_cast<std::int64_t>(i));
        while (nextStart != starts.sentences.end() && *nextStart <= static_cast<std::int64_t>(i)) {
            ++nextStart;
        }
        const std::string_view text = words[i].text;
        const Shape shape = shapeOf(text);
        const auto syllables = static_cast<double>(hyphenator.breaks(text).size() + 1);
        double weight = fixedWeight + perCharacter * static_cast<double>(shape.characters) +
                        perSyllable * syllables;
        if (shape.hasDigit) {
            weight *= numberStretch;
        } else if (shape.startsUpper && !opensSentence) {
            weight *= nameStretch;
        }
        const std::size_t before = seen[folded(shape.core)]++;
        weight *= std::max(repeatFloor,
                           1.0 - repeatDiscount * std::log2(1.0 + static_cast<double>(before)));
        result.push_back(std::clamp(weight, lightest, heaviest));
    }
    return result;
}

} // namespace velora::WordRhythm
