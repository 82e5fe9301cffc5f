#include "core/WhiteSpace.hpp"

#include <cstdint>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace velora::WhiteSpace {

std::string_view trimmed(std::string_view utf8) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    std::int32_t begin = 0;
    while (begin < length) {
        std::int32_t next = begin;
        UChar32 c = 0;
        U8_NEXT(bytes, next, length, c);
        if (c < 0 || !u_isUWhiteSpace(c)) {
            break;
        }
        begin = next;
    }
    std::int32_t end = length;
    while (end > begin) {
        std::int32_t previous = end - 1;
        UChar32 c = bytes[previous];
        if (c >= 0x80) {
            c = utf8_prevCharSafeBody(bytes, begin, &previous, c, -1);
        }
        if (c < 0 || !u_isUWhiteSpace(c)) {
            break;
        }
        end = previous;
    }
    return utf8.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

bool isBlank(std::string_view utf8) {
    return trimmed(utf8).empty();
}

} // namespace velora::WhiteSpace
