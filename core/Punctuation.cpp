#include "core/Punctuation.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <unicode/utf8.h>
#include <utility>

namespace velora::Punctuation {

namespace {

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
    if (character.size() == 1 && static_cast<unsigned char>(character.front()) < 0x80) {
        return kindOf(static_cast<unsigned char>(character.front()));
    }
    std::size_t end = 0;
    const std::int32_t c = character.empty() ? -1 : Graphemes::decode(character, end);
    return c >= 0 && end == character.size() ? kindOf(c) : Kind::other;
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

// Most tokens end in ASCII, where a byte after another ASCII byte is a character of its own (only
// a non-ASCII prepended mark could join the first); empty when the general walk must decide.
std::optional<Kind> asciiEndingKind(std::string_view token) {
    for (std::size_t i = token.size(); i > 0; --i) {
        const auto c = static_cast<unsigned char>(token[i - 1]);
        if (c >= 0x80 || c == '\r' || (i > 1 && static_cast<unsigned char>(token[i - 2]) >= 0x80)) {
            return std::nullopt;
        }
        const Kind k = kind(token.substr(i - 1, 1));
        if (k != Kind::skippable) {
            return k;
        }
    }
    return Kind::other;
}

} // namespace

Kind kindOf(std::int32_t codePoint) {
    static const CodePointTable<Kind, kindOfCodePoint> table;
    return codePoint >= 0 ? table(codePoint) : Kind::other;
}

PunctuationWeight weightOf(Kind mark) {
    switch (mark) {
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

PunctuationWeight weight(std::string_view token) {
    const std::optional<Kind> ascii = asciiEndingKind(token);
    return weightOf(ascii ? *ascii : countingCharacter(token).second);
}

bool endsWith(std::string_view token, std::span<const char32_t> marks) {
    const std::string_view character = countingCharacter(token).first;
    const std::optional<char32_t> c = Graphemes::soleCodePoint(character);
    return c && holds(marks, *c);
}

} // namespace velora::Punctuation
