#include "core/TextSanitizer.hpp"

#include "core/ByteScan.hpp"
#include "core/CodePointTable.hpp"
#include "core/Graphemes.hpp"
#include "core/WhiteSpace.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <unicode/uchar.h>

namespace velora::TextSanitizer {

namespace {

constexpr std::array<UChar32, 9> bulletGlyphs{0x2022, 0x2023, 0x25E6, 0x2043, 0x2219,
                                              0x00B7, 0x25AA, 0x25CF, 0x2756};

enum class Mapping : std::uint8_t { keep, space, lineFeed, remove };

// What one code point becomes; the first rule that matches decides, so the tab and line breaks
// are kept before controls go, and three bullets that are symbols become spaces.
Mapping mapped(std::int32_t c) {
    switch (c) {
    case 0x0A:
    case 0x0D:
        return Mapping::lineFeed;
    case 0x09:
    case 0x20:
    case 0xA0:
        return Mapping::space;
    case 0xAD:
    case 0x2028:
    case 0x2029:
    case 0x2060:
    case 0xFEFF:
        return Mapping::remove;
    case 0x202F:
    case 0x205F:
    case 0x3000:
        return Mapping::space;
    default:
        break;
    }
    if (c >= 0x200B && c <= 0x200F) {
        return Mapping::remove;
    }
    if (c >= 0x2000 && c <= 0x200A) {
        return Mapping::space;
    }
    if (std::find(bulletGlyphs.begin(), bulletGlyphs.end(), c) != bulletGlyphs.end()) {
        return Mapping::space;
    }
    if (u_hasBinaryProperty(c, UCHAR_EMOJI_PRESENTATION) ||
        u_hasBinaryProperty(c, UCHAR_EMOJI_MODIFIER) ||
        u_hasBinaryProperty(c, UCHAR_EMOJI_MODIFIER_BASE)) {
        return Mapping::remove;
    }
    switch (u_charType(c)) {
    case U_MODIFIER_SYMBOL:
    case U_OTHER_SYMBOL:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_SURROGATE:
    case U_PRIVATE_USE_CHAR:
    case U_UNASSIGNED:
        return Mapping::remove;
    default:
        return Mapping::keep;
    }
}

// Output is never longer than input: replacements are single bytes.
std::string mapCodePoints(std::string_view text) {
    static const CodePointTable<Mapping, mapped> mappings;
    // ASCII, most of nearly any text, goes without branches: each byte writes its replacement and
    // moves on when it is not removed.
    struct Ascii {
        std::array<char, 128> replacement{};
        std::array<std::uint8_t, 128> width{};
    };
    static const Ascii ascii = [] {
        Ascii table;
        for (std::size_t c = 0; c < 128; ++c) {
            const Mapping mapping = mappings(static_cast<std::int32_t>(c));
            table.replacement[c] = mapping == Mapping::space      ? ' '
                                   : mapping == Mapping::lineFeed ? '\n'
                                                                  : static_cast<char>(c);
            table.width[c] = mapping == Mapping::remove ? 0 : 1;
        }
        return table;
    }();

    std::string result(text.size(), '\0');
    char* out = result.data();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t length = text.size();
    std::size_t i = 0;
    while (i < length) {
        while (i < length && bytes[i] < 0x80) {
            *out = ascii.replacement[bytes[i]];
            out += ascii.width[bytes[i]];
            ++i;
        }
        if (i == length) {
            break;
        }
        const std::size_t start = i;
        const std::int32_t c = Graphemes::decode(text, i);
        switch (mappings(c < 0 ? 0xFFFD : c)) {
        case Mapping::keep:
            out = std::copy(text.data() + start, text.data() + i, out);
            break;
        case Mapping::space:
            *out++ = ' ';
            break;
        case Mapping::lineFeed:
            *out++ = '\n';
            break;
        case Mapping::remove:
            break;
        }
    }
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the next pair of blanks at or after `from` begins; every maximal run of blanks is found
// at its start, because the search resumes only where the previous run ended.
std::size_t nextBlankPair(std::string_view text, std::size_t from) {
    std::size_t i = from;
    for (; i + 9 <= text.size(); i += 8) {
        const std::uint64_t word = ByteScan::load(text.data() + i);
        const std::uint64_t blanks = ByteScan::equal(word, ' ') | ByteScan::equal(word, '\t');
        const std::uint64_t following =
            (blanks >> 8) | (isBlank(text[i + 8]) ? 0x8000000000000000ULL : 0U);
        const std::uint64_t pairs = blanks & following;
        if (pairs != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(pairs)) / 8;
        }
    }
    for (; i + 1 < text.size(); ++i) {
        if (isBlank(text[i]) && isBlank(text[i + 1])) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Every maximal run of two or more spaces or tabs becomes one space.
std::string collapseSpaceRuns(std::string text) {
    std::size_t candidate = nextBlankPair(text, 0);
    if (candidate == std::string::npos) {
        return text;
    }
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    while (candidate != std::string::npos) {
        std::size_t end = candidate + 2;
        while (end < text.size() && isBlank(text[end])) {
            ++end;
        }
        result.append(text, copied, candidate - copied);
        result += ' ';
        copied = end;
        candidate = nextBlankPair(text, end);
    }
    result.append(text, copied);
    return result;
}

// Lines lose their edge blanks; of each run of empty lines one stays. The text only shrinks, so
// each kept line moves down within the same buffer.
std::string tidyLines(std::string text) {
    std::size_t out = 0;
    std::size_t emptyRun = 0;
    bool firstLine = true;
    std::size_t lineBegin = 0;
    const std::size_t size = text.size();
    while (lineBegin <= size) {
        std::size_t lineEnd = text.find('\n', lineBegin);
        if (lineEnd == std::string::npos) {
            lineEnd = size;
        }
        std::size_t begin = lineBegin;
        std::size_t end = lineEnd;
        while (begin < end && isBlank(text[begin])) {
            ++begin;
        }
        while (end > begin && isBlank(text[end - 1])) {
            --end;
        }
        emptyRun = begin == end ? emptyRun + 1 : 0;
        if (emptyRun <= 1) {
            if (!firstLine) {
                text[out++] = '\n';
            }
            std::memmove(text.data() + out, text.data() + begin, end - begin);
            out += end - begin;
            firstLine = false;
        }
        lineBegin = lineEnd + 1;
    }
    text.resize(out);
    return text;
}

// White space and line breaks at both ends go; the text is well-formed here.
std::string trim(std::string text) {
    const std::string_view kept = WhiteSpace::trimmed(text);
    const auto begin = static_cast<std::size_t>(kept.data() - text.data());
    text.erase(begin + kept.size());
    text.erase(0, begin);
    return text;
}

} // namespace

std::string clean(std::string_view text) {
    return trim(tidyLines(collapseSpaceRuns(mapCodePoints(text))));
}

} // namespace velora::TextSanitizer
