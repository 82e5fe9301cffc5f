#include "core/Punctuation.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <algorithm>
#include <span>
#include <string>
#include <unicode/utf8.h>
#include <utility>

namespace velora::Punctuation {

namespace {

enum class Kind : std::uint8_t { other, major, minor, skippable };

bool holds(std::span<const char32_t> set, char32_t c) {
    return std::find(set.begin(), set.end(), c) != set.end();
}

Kind kindOfCodePoint(std::int32_t codePoint) {
    char utf8[U8_MAX_LENGTH];
    std::size_t length = 0;
    U8_APPEND_UNSAFE(utf8, length, codePoint);
    const std::optional<char32_t> c = Graphemes::soleCodePoint(std::string_view(utf8, length));
    if (!c) {
        return Kind::other;
    }
    if (holds(major, *c)) {
        return Kind::major;
    }
    if (holds(minor, *c)) {
        return Kind::minor;
    }
    if (holds(skippable, *c)) {
        return Kind::skippable;
    }
    return Kind::other;
}

// Every mark is a character of one code point, so a character of several is none of them.
Kind kind(std::string_view character) {
    static const CodePointTable<Kind, kindOfCodePoint> table;
    if (character.size() == 1 && static_cast<unsigned char>(character.front()) < 0x80) {
        return table(static_cast<unsigned char>(character.front()));
    }
    std::size_t end = 0;
    const std::int32_t c = character.empty() ? -1 : Graphemes::decode(character, end);
    return c >= 0 && end == character.size() ? table(c) : Kind::other;
}

// The last character that is not a closing quote or bracket, with its kind; empty when there is
// none.
std::pair<std::string_view, Kind> countingCharacter(std::string_view token) {
    std::pair<std::string_view, Kind> result{std::string_view(), Kind::other};
    Graphemes::forEachReverse(token, [&](std::size_t begin, std::size_t end) {
        const std::string_view character = token.substr(begin, end - begin);
        const Kind k = kind(character);
        if (k == Kind::skippable) {
            return true;
        }
        result = {character, k};
        return false;
    });
    return result;
}

} // namespace

PunctuationWeight weight(std::string_view token) {
    switch (countingCharacter(token).second) {
    case Kind::major:
        return PunctuationWeight::major;
    case Kind::minor:
        return PunctuationWeight::minor;
    case Kind::other:
    case Kind::skippable:
        break;
    }
    return PunctuationWeight::none;
}

bool endsWith(std::string_view token, std::span<const char32_t> marks) {
    const std::string_view character = countingCharacter(token).first;
    const std::optional<char32_t> c = Graphemes::soleCodePoint(character);
    return c && holds(marks, *c);
}

} // namespace velora::Punctuation
