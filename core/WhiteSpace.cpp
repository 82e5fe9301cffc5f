#include "core/WhiteSpace.hpp"

#include "core/Graphemes.hpp"

#include <unicode/uchar.h>

namespace velora::WhiteSpace {

namespace {

bool isWhiteSpace(std::int32_t c) {
    return c >= 0 && u_isUWhiteSpace(c);
}

} // namespace

std::string_view trimmed(std::string_view utf8) {
    std::size_t begin = 0;
    while (begin < utf8.size()) {
        std::size_t next = begin;
        if (!isWhiteSpace(Graphemes::decode(utf8, next))) {
            break;
        }
        begin = next;
    }
    std::size_t end = utf8.size();
    while (end > begin) {
        std::size_t previous = end - 1;
        while (previous > begin && (static_cast<unsigned char>(utf8[previous]) & 0xC0) == 0x80) {
            --previous;
        }
        std::size_t next = previous;
        // A sequence that does not end exactly here is ill-formed, and ill-formed bytes are text.
        if (!isWhiteSpace(Graphemes::decode(utf8.substr(0, end), next)) || next != end) {
            break;
        }
        end = previous;
    }
    return utf8.substr(begin, end - begin);
}

bool isBlank(std::string_view utf8) {
    return trimmed(utf8).empty();
}

} // namespace velora::WhiteSpace
