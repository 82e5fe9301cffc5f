#include "core/DocumentIdentity.hpp"

#include "core/Graphemes.hpp"
#include "core/WhiteSpace.hpp"

#include <algorithm>
#include <cstdio>

namespace velora::DocumentIdentity {

namespace {

constexpr std::size_t keyPrefixCharacters = 400;

bool isWordSeparator(std::string_view character) {
    return character == " " || character == "\n" || character == "\t";
}

} // namespace

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char byte : bytes) {
        hash ^= static_cast<std::uint8_t>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string fileKey(std::string_view path) {
    return "file:" + std::string(path);
}

std::string textKey(std::string_view text) {
    char hex[17];
    std::snprintf(
        hex, sizeof hex, "%llx",
        static_cast<unsigned long long>(fnv1a(Graphemes::prefix(text, keyPrefixCharacters))));
    return "text:" + std::string(hex) + ":" + std::to_string(Graphemes::count(text));
}

std::string title(std::string_view text, std::int64_t maxWords, std::int64_t maxChars) {
    std::string joined;
    std::int64_t words = 0;
    bool inWord = false;
    // Walks only as far as the words it keeps: a title must not cost a pass over a whole book.
    Graphemes::forEach(text, [&](std::size_t begin, std::size_t end) {
        const std::string_view character = text.substr(begin, end - begin);
        if (isWordSeparator(character)) {
            inWord = false;
            return true;
        }
        if (!inWord) {
            if (words >= maxWords) {
                return false;
            }
            if (words > 0) {
                joined += ' ';
            }
            ++words;
            inWord = true;
        }
        joined += character;
        return true;
    });

    const std::string_view trimmed = WhiteSpace::trimmed(joined);
    if (trimmed.empty()) {
        return "Untitled";
    }
    const auto limit = static_cast<std::size_t>(std::max<std::int64_t>(maxChars, 0));
    const std::string_view cut = Graphemes::prefix(trimmed, limit);
    if (cut.size() == trimmed.size()) {
        return std::string(trimmed);
    }
    return std::string(cut) + "…";
}

} // namespace velora::DocumentIdentity
