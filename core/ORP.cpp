#include "core/ORP.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <unicode/uchar.h>

namespace velora::ORP {

namespace {

bool computeAlphanumeric(std::int32_t c) {
    return u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ||
           u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

} // namespace

bool isAlphanumeric(std::int32_t codePoint) {
    static const CodePointTable<bool, computeAlphanumeric> table;
    return codePoint >= 0 && table(codePoint);
}

bool isAlphanumeric(std::string_view character) {
    if (character.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(character.front());
    return isAlphanumeric(lead < 0x80
                              ? std::int32_t{lead}
                              : static_cast<std::int32_t>(Graphemes::firstCodePoint(character)));
}

namespace {

std::int64_t middleOfCore(std::int64_t count, std::int64_t first, std::int64_t last) {
    if (first < 0) {
        return count == 0 ? 0 : (count - 1) / 2;
    }
    return first + (last - first) / 2;
}

// Most words are plain ASCII, where each byte is a character and a table answers for it; one
// walk both checks that and finds the core. Empty when the token needs the general walk.
std::optional<std::int64_t> asciiIndex(std::string_view token) {
    // 1 for a letter or digit, 2 for what is not a character of its own here.
    static const std::array<std::uint8_t, 256> classes = [] {
        std::array<std::uint8_t, 256> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = c >= 0x80 || c == '\r'                              ? 2
                       : computeAlphanumeric(static_cast<std::int32_t>(c)) ? 1
                                                                           : 0;
        }
        return table;
    }();
    std::int64_t first = -1;
    std::int64_t last = -1;
    const auto n = static_cast<std::int64_t>(token.size());
    for (std::int64_t i = 0; i < n; ++i) {
        const std::uint8_t k =
            classes[static_cast<unsigned char>(token[static_cast<std::size_t>(i)])];
        if (k == 2) {
            return std::nullopt;
        }
        if (k == 1) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return middleOfCore(n, first, last);
}

} // namespace

// One walk finds the count and both ends of the core.
std::int64_t index(std::string_view token) {
    if (const std::optional<std::int64_t> ascii = asciiIndex(token)) {
        return *ascii;
    }
    std::int64_t n = 0;
    std::int64_t first = -1;
    std::int64_t last = -1;
    Graphemes::forEach(token, [&](std::size_t begin, std::size_t end) {
        if (isAlphanumeric(token.substr(begin, end - begin))) {
            first = first < 0 ? n : first;
            last = n;
        }
        ++n;
    });
    return middleOfCore(n, first, last);
}

} // namespace velora::ORP
