#include "core/Punctuation.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <algorithm>
#include <string>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace velora::Punctuation {

namespace {

enum class Kind : std::uint8_t { other, major, minor, skippable };

Kind kindByEquivalence(std::string_view character) {
    if (contains(major, character)) {
        return Kind::major;
    }
    if (contains(minor, character)) {
        return Kind::minor;
    }
    if (contains(skippable, character)) {
        return Kind::skippable;
    }
    return Kind::other;
}

Kind kindOfCodePoint(std::int32_t c) {
    std::string character;
    icu::UnicodeString(static_cast<UChar32>(c)).toUTF8String(character);
    return kindByEquivalence(character);
}

Kind kind(std::string_view character) {
    static const CodePointTable<Kind, kindOfCodePoint> kinds;
    // More than one code point decomposes into more than one: never a member.
    const auto c = static_cast<std::int32_t>(Graphemes::firstCodePoint(character));
    return static_cast<std::size_t>(U8_LENGTH(c)) == character.size() ? kinds(c) : Kind::other;
}

} // namespace

bool contains(std::span<const char32_t> set, std::string_view character) {
    const auto codePoint = Graphemes::soleCodePoint(character);
    return codePoint && std::find(set.begin(), set.end(), *codePoint) != set.end();
}

PunctuationWeight weight(std::string_view token) {
    auto result = PunctuationWeight::none;
    Graphemes::forEachReverse(token, [&](std::size_t begin, std::size_t end) {
        switch (kind(token.substr(begin, end - begin))) {
        case Kind::major:
            result = PunctuationWeight::major;
            return false;
        case Kind::minor:
            result = PunctuationWeight::minor;
            return false;
        case Kind::other:
            return false;
        case Kind::skippable:
            break;
        }
        return true;
    });
    return result;
}

} // namespace velora::Punctuation
