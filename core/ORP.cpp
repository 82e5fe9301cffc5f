#include "core/ORP.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <algorithm>
#include <array>
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

// Most words are plain ASCII, where each byte is a character and a table answers for it.
std::int64_t asciiIndex(std::string_view token) {
    static const std::array<bool, 128> alphanumeric = [] {
        std::array<bool, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = computeAlphanumeric(static_cast<std::int32_t>(c));
        }
        return table;
    }();
    auto isCore = [&](char c) { return alphanumeric[static_cast<unsigned char>(c)]; };
    const auto n = static_cast<std::int64_t>(token.size());
    const auto first =
        static_cast<std::int64_t>(std::find_if(token.begin(), token.end(), isCore) - token.begin());
    if (first == n) {
        return n == 0 ? 0 : (n - 1) / 2;
    }
    const auto last = n - 1 -
                      static_cast<std::int64_t>(std::find_if(token.rbegin(), token.rend(), isCore) -
                                                token.rbegin());
    return first + (last - first) / 2;
}

} // namespace

// One walk finds the count and both ends of the core.
std::int64_t index(std::string_view token) {
    if (Graphemes::isSimpleAscii(token)) {
        return asciiIndex(token);
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
    if (first < 0) {
        return n == 0 ? 0 : (n - 1) / 2;
    }
    return first + (last - first) / 2;
}

} // namespace velora::ORP
