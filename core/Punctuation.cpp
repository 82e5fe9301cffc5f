#include "core/Punctuation.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>
#include <span>
#include <string>

namespace velora::Punctuation {

namespace {

enum class Kind : std::uint8_t { other, major, minor, skippable };

bool holds(std::span<const char32_t> set, char32_t c) {
    return std::find(set.begin(), set.end(), c) != set.end();
}

Kind kindByEquivalence(std::string_view character) {
    const std::optional<char32_t> c = Graphemes::soleCodePoint(character);
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

Kind kind(std::string_view character) {
    // Only the last few characters of a token are asked about; ASCII, the common case, is looked
    // up.
    static const std::array<Kind, 128> ascii = [] {
        std::array<Kind, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = kindByEquivalence(std::string(1, static_cast<char>(c)));
        }
        return table;
    }();
    if (character.size() == 1 && static_cast<unsigned char>(character.front()) < 0x80) {
        return ascii[static_cast<unsigned char>(character.front())];
    }
    return kindByEquivalence(character);
}

} // namespace

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
