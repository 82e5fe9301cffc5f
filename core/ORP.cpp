#include "core/ORP.hpp"

#include "core/Graphemes.hpp"

#include <array>
#include <unicode/uchar.h>

namespace velora::ORP {

namespace {

bool codePointIsAlphanumeric(UChar32 c) {
    return u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ||
           u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

// The same answers for ASCII, looked up instead of asked of ICU for every letter.
const std::array<bool, 128> asciiAlphanumeric = [] {
    std::array<bool, 128> table{};
    for (UChar32 c = 0; c < 128; ++c) {
        table[static_cast<std::size_t>(c)] = codePointIsAlphanumeric(c);
    }
    return table;
}();

} // namespace

bool isAlphanumeric(std::string_view character) {
    if (character.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(character.front());
    if (lead < 0x80) {
        return asciiAlphanumeric[lead];
    }
    return codePointIsAlphanumeric(static_cast<UChar32>(Graphemes::firstCodePoint(character)));
}

std::int64_t index(std::string_view token) {
    std::int64_t n = 0;
    std::int64_t first = -1;
    std::int64_t last = -1;
    Graphemes::forEach(token, [&](std::size_t begin, std::size_t end) {
        if (isAlphanumeric(token.substr(begin, end - begin))) {
            if (first < 0) {
                first = n;
            }
            last = n;
        }
        ++n;
    });
    if (n == 0) {
        return 0;
    }
    if (first < 0) {
        return (n - 1) / 2;
    }
    return first + (last - first) / 2;
}

} // namespace velora::ORP
