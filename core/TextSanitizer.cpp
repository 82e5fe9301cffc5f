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

// Writes the kept text line by line: blanks at a line's edges dropped, a run of blanks inside it
// made one space, of each run of empty lines one kept. Nothing precedes the first visible
// character, as the final trim would drop it anyway.
class LineWriter {
public:
    explicit LineWriter(char* out) : begin_(out), out_(out) {}

    void blank() { blankPending_ = lineHasText_; }

    void lineFeed() {
        if (lineHasText_) {
            emptyLines_ = 0;
        } else if (++emptyLines_ == 1) {
            separate();
        }
        lineHasText_ = false;
        blankPending_ = false;
    }

    // Where the visible bytes that follow go.
    char* text() {
        if (!lineHasText_) {
            separate();
            lineHasText_ = true;
        } else if (blankPending_) {
            *out_++ = ' ';
        }
        blankPending_ = false;
        return out_;
    }

    void wrote(char* end) { out_ = end; }

    // Whether the line has visible text, so that what follows it is written as it stands but for a
    // blank that waits.
    bool inText() const { return lineHasText_; }

    bool blankPending() const { return blankPending_; }

    // The first `count` bytes of `block`, printable ASCII without two blanks in a row nor a blank
    // first when one waits, held as they stand after the blank that waits; a blank at their end
    // waits for what follows. All eight bytes may be overwritten.
    void plain(std::uint64_t block, unsigned count) {
        if (blankPending_) {
            *out_++ = ' ';
        }
        std::memcpy(out_, &block, sizeof block);
        blankPending_ = ((block >> (8 * (count - 1))) & 0xFF) == ' ';
        out_ += blankPending_ ? count - 1 : count;
    }

    std::size_t size() const { return static_cast<std::size_t>(out_ - begin_); }

private:
    void separate() {
        if (out_ != begin_) {
            *out_++ = '\n';
        }
    }

    char* begin_;
    char* out_;
    bool lineHasText_ = false;
    bool blankPending_ = false;
    std::size_t emptyLines_ = 0;
};

// The top bit is set from the first byte of `block` that the cleaner may not keep as it is in the
// middle of a line: anything but printable ASCII, the two modifier symbols, the first of two
// blanks. Bits above the first are not exact. The underscore between the modifier symbols is kept
// but takes the slow road: one range test is cheaper than two.
std::uint64_t troubleIn(std::uint64_t block) {
    const std::uint64_t blanks = ByteScan::equal(block, ' ');
    return (~ByteScan::between(block, ' ', '~') & ByteScan::topBits) |
           ByteScan::between(block, '^', '`') | (blanks & (blanks >> 8));
}

// One pass: each code point is mapped and the result laid out at once. Output is never longer
// than input: replacements are single bytes, and a separator is written only for a line break or
// blank that is dropped.
std::string tidied(std::string_view text) {
    static const CodePointTable<Mapping, mapped> mappings;
    static const std::array<Mapping, 128> ascii = [] {
        std::array<Mapping, 128> table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = mappings(static_cast<std::int32_t>(c));
        }
        return table;
    }();

    std::string result(text.size(), '\0');
    LineWriter writer(result.data());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t length = text.size();
    std::size_t i = 0;
    while (i < length) {
        // A byte of a longer sequence would stop the block at once.
        if (i + 8 <= length && bytes[i] < 0x80 && writer.inText()) {
            const std::uint64_t block = ByteScan::load(text.data() + i);
            // A blank after one that waits would be written twice.
            const std::uint64_t trouble =
                troubleIn(block) | (writer.blankPending() && bytes[i] == ' ' ? 0x80U : 0U);
            const auto plain =
                trouble == 0 ? 8U : static_cast<unsigned>(std::countr_zero(trouble)) / 8;
            if (plain > 0) {
                writer.plain(block, plain);
                i += plain;
                continue;
            }
        }
        const std::size_t start = i;
        const std::uint8_t lead = bytes[i];
        Mapping mapping = Mapping::keep;
        if (lead < 0x80) {
            mapping = ascii[lead];
            ++i;
        } else {
            const std::int32_t c = Graphemes::decode(text, i);
            mapping = mappings(c < 0 ? 0xFFFD : c);
        }
        switch (mapping) {
        case Mapping::keep: {
            // One to four bytes. Where four can be read, all four are copied as one move and only
            // the sequence's own kept: the output, never ahead of the input, has room for them.
            char* out = writer.text();
            if (start + 4 <= length) {
                std::memcpy(out, text.data() + start, 4);
                out += i - start;
            } else {
                for (std::size_t k = start; k < i; ++k) {
                    *out++ = text[k];
                }
            }
            writer.wrote(out);
            break;
        }
        case Mapping::space:
            writer.blank();
            break;
        case Mapping::lineFeed:
            writer.lineFeed();
            break;
        case Mapping::remove:
            break;
        }
    }
    result.resize(writer.size());
    return result;
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
    return trim(tidied(text));
}

} // namespace velora::TextSanitizer
