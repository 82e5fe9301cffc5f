#include "core/Punctuation.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>
#include <string>

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

const std::array<Kind, 128> asciiKinds = [] {
    std::array<Kind, 128> table{};
    for (std::size_t c = 0; c < table.size(); ++c) {
        table[c] = kindByEquivalence(std::string(1, static_cast<char>(c)));
    }
    return table;
}();

Kind kind(std::string_view character) {
    if (character.size() == 1 && static_cast<unsigned char>(character.front()) < 0x80) {
        return asciiKinds[static_cast<unsigned char>(character.front())];
    }
    return kindByEquivalence(character);
}

} // namespace

bool contains(std::span<const char32_t> set, std::string_view character) {
    const auto codePoint = Graphemes::soleCodePoint(character);
    return codePoint && std::find(set.begin(), set.end(), *codePoint) != set.end();
}

PunctuationWeight weight(std::string_view token) {
    // Walking forward and keeping the last character that is not skippable decides as walking
    // back from the end would.
    auto result = PunctuationWeight::none;
    Graphemes::forEach(token, [&](std::size_t begin, std::size_t end) {
        switch (kind(token.substr(begin, end - begin))) {
        case Kind::major:
            result = PunctuationWeight::major;
            break;
        case Kind::minor:
            result = PunctuationWeight::minor;
            break;
        case Kind::other:
            result = PunctuationWeight::none;
            break;
        case Kind::skippable:
            break;
        }
    });
    return result;
}

} // namespace velora::Punctuation
