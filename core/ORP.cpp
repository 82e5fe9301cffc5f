#include "core/ORP.hpp"

#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"

#include <unicode/uchar.h>

namespace velora::ORP {

namespace {

bool computeAlphanumeric(std::int32_t c) {
    return u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ||
           u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

} // namespace

bool isAlphanumeric(std::string_view character) {
    static const CodePointTable<bool, computeAlphanumeric> table;
    if (character.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(character.front());
    return table(lead < 0x80 ? std::int32_t{lead}
                             : static_cast<std::int32_t>(Graphemes::firstCodePoint(character)));
}

std::int64_t index(std::string_view token) {
    const auto n = static_cast<std::int64_t>(Graphemes::count(token));
    if (n == 0) {
        return 0;
    }
    std::int64_t first = 0;
    bool found = false;
    Graphemes::forEach(token, [&](std::size_t begin, std::size_t end) {
        found = isAlphanumeric(token.substr(begin, end - begin));
        first += found ? 0 : 1;
        return !found;
    });
    if (!found) {
        return (n - 1) / 2;
    }
    // The search from the end stops at `first` at the latest.
    std::int64_t last = n - 1;
    Graphemes::forEachReverse(token, [&](std::size_t begin, std::size_t end) {
        if (isAlphanumeric(token.substr(begin, end - begin))) {
            return false;
        }
        --last;
        return true;
    });
    return first + (last - first) / 2;
}

} // namespace velora::ORP
