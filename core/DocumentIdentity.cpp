#include "core/DocumentIdentity.hpp"

#include "core/Graphemes.hpp"

#include <algorithm>
#include <cstdio>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace velora::DocumentIdentity {

namespace {

constexpr std::size_t keyPrefixCharacters = 400;

bool isWordSeparator(std::string_view character) {
    return character == " " || character == "\n" || character == "\t";
}

// Strips White_Space code points from both ends.
std::string_view trimWhiteSpace(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t first = length;
    std::int32_t last = 0;
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0 || !u_isUWhiteSpace(c)) {
            first = std::min(first, start);
            last = i;
        }
    }
    if (first >= last) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
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
    for (std::string_view character : Graphemes::split(text)) {
        if (isWordSeparator(character)) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            if (words >= maxWords) {
                break;
            }
            if (words > 0) {
                joined += ' ';
            }
            ++words;
            inWord = true;
        }
        joined += character;
    }

    const std::string_view trimmed = trimWhiteSpace(joined);
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
