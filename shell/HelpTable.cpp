#include "shell/HelpTable.hpp"

#include <algorithm>
#include <string_view>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace velora::HelpTable {

namespace {

constexpr std::size_t helpColumns = 80;

// Columns a terminal gives UTF-8 text: two for East Asian wide characters, one for others.
std::size_t columns(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        UChar32 c = 0;
        U8_NEXT(text.data(), at, text.size(), c);
        const auto east =
            static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
        width += east == U_EA_WIDE || east == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

// The bytes of `text`'s longest start, whole characters, that takes at most `room` columns; at
// least one character, so that wrapping always moves on.
std::size_t fitting(std::string_view text, std::size_t room) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t next = at;
        U8_FWD_1(text.data(), next, text.size());
        if (at > 0 && columns(text.substr(0, next)) > room) {
            break;
        }
        at = next;
    }
    return at;
}

} // namespace

std::size_t leftWidth(const std::vector<Entry>& entries) {
    std::size_t width = 0;
    for (const Entry& entry : entries) {
        width = std::max(width, entry.left.size());
    }
    return width;
}

std::string format(const std::vector<Entry>& entries, std::size_t leftWidth) {
    const std::string indent(2 + leftWidth + 2, ' ');
    const std::size_t room = helpColumns - 1 - indent.size();
    std::string text;
    for (const Entry& entry : entries) {
        std::string line = "  " + entry.left + std::string(leftWidth - entry.left.size() + 2, ' ');
        std::size_t used = 0;
        std::size_t start = 0;
        while (start < entry.description.size()) {
            std::size_t end = entry.description.find(' ', start);
            if (end == std::string::npos) {
                end = entry.description.size();
            }
            std::string_view word(entry.description.data() + start, end - start);
            start = end + 1;
            while (!word.empty()) {
                const std::size_t gap = used > 0 ? 1 : 0;
                const std::size_t width = columns(word);
                if (used + gap + width <= room) {
                    line.append(gap, ' ').append(word);
                    used += gap + width;
                    break;
                }
                // A word that fits a line of its own starts one; a run without spaces wider
                // than a line (Chinese, Japanese) breaks between characters.
                if (width > room && used + gap < room) {
                    const std::size_t cut = fitting(word, room - used - gap);
                    line.append(gap, ' ').append(word.substr(0, cut));
                    word.remove_prefix(cut);
                }
                text += line + '\n';
                line = indent;
                used = 0;
            }
        }
        text += line + '\n';
    }
    return text;
}

} // namespace velora::HelpTable
