#include "core/HardWrap.hpp"

#include "core/Graphemes.hpp"
#include "core/Punctuation.hpp"
#include "core/TextEngine.hpp"
#include "core/WhiteSpace.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <unicode/uchar.h>
#include <utility>
#include <vector>

namespace velora::HardWrap {

namespace {

std::size_t indentation(std::string_view line) {
    return std::min(line.find_first_not_of(" \t"), line.size());
}

std::string_view trimmedEnd(std::string_view line) {
    const std::size_t end = line.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view{} : line.substr(0, end + 1);
}

std::int32_t firstCodePoint(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    std::size_t offset = 0;
    return Graphemes::decode(text, offset);
}

bool startsInLowerCase(std::string_view content) {
    const std::int32_t c = firstCodePoint(content);
    return c >= 0 && u_hasBinaryProperty(c, UCHAR_LOWERCASE);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "- item", "• item", "1. item", "a) item", "(iv) item".
bool isListItem(std::string_view content) {
    static constexpr std::array<std::string_view, 6> bullets{"- ",     "* ",      "+ ",
                                                             "\u2022", "\u2013 ", "\u2014 "};
    for (const std::string_view bullet : bullets) {
        if (content.starts_with(bullet)) {
            return true;
        }
    }
    const std::size_t space = content.find(' ');
    if (space == std::string_view::npos || space < 2 || space > 6) {
        return false;
    }
    const std::string_view marker = content.substr(0, space);
    if (marker.back() != '.' && marker.back() != ')') {
        return false;
    }
    const std::string_view body = marker.substr(
        marker.front() == '(' ? 1 : 0, marker.size() - 1 - (marker.front() == '(' ? 1 : 0));
    if (!body.empty() && std::all_of(body.begin(), body.end(), isDigit)) {
        return true;
    }
    // A lone letter or a short roman numeral, as list markers in lower case are.
    return !body.empty() && body.size() <= 4 && std::all_of(body.begin(), body.end(), [&](char c) {
        return body.size() == 1 ? (c >= 'a' && c <= 'z') : (c == 'i' || c == 'v' || c == 'x');
    });
}

// What a line's start would number a list item with, if it were one.
enum class Marker { none, number, letter };

Marker markerOf(std::string_view content) {
    if (!isListItem(content)) {
        return Marker::none;
    }
    const std::string_view body = content.starts_with('(') ? content.substr(1) : content;
    if (!body.empty() && isDigit(body.front())) {
        return Marker::number;
    }
    return !body.empty() && body.front() >= 'a' && body.front() <= 'z' ? Marker::letter
                                                                       : Marker::none;
}

bool startsWithNumberOrBracket(std::string_view content) {
    return !content.empty() &&
           (isDigit(content.front()) || content.front() == '(' || content.front() == '[');
}

bool endsSentence(std::string_view content) {
    const std::string_view last = content.substr(content.rfind(' ') + 1);
    return Punctuation::weight(last) == PunctuationWeight::major;
}

bool endsInSplitWord(std::string_view content) {
    if (content.size() < 2 || content.back() != '-') {
        return false;
    }
    const std::int32_t before = static_cast<unsigned char>(content[content.size() - 2]);
    return before >= 0x80 || u_isalpha(before);
}

struct Line {
    std::string_view text;
    std::string_view content;
    std::size_t indent;

    bool isBlank() const { return content.empty(); }
};

// Characters as a fixed-width wrap counts them: code points, not bytes.
std::size_t widthOf(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::size_t widthOf(const Line& line) {
    return line.indent + widthOf(line.content);
}

std::string_view firstWord(std::string_view content) {
    return content.substr(0, content.find(' '));
}

// The width the text was wrapped at, when it was: the length nine lines in ten stay within, wide
// enough for prose, with most lines that go on to another one filling it. Lines of verse, or
// paragraphs written each on one line, have no such width.
std::optional<std::size_t> wrapWidthOf(const std::vector<Line>& lines) {
    constexpr std::size_t fewestLines = 8;
    constexpr std::size_t narrowest = 50;
    constexpr std::size_t widest = 120;
    std::vector<std::size_t> widths;
    for (const Line& line : lines) {
        if (!line.isBlank()) {
            widths.push_back(widthOf(line));
        }
    }
    if (widths.size() < fewestLines) {
        return std::nullopt;
    }
    const auto ninth = widths.begin() + static_cast<std::ptrdiff_t>(widths.size() * 9 / 10);
    std::nth_element(widths.begin(), ninth, widths.end());
    const std::size_t width = *ninth;
    if (width < narrowest || width > widest) {
        return std::nullopt;
    }
    std::size_t continued = 0;
    std::size_t full = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].isBlank() || lines[i + 1].isBlank()) {
            continue;
        }
        ++continued;
        full += widthOf(lines[i]) * 5 >= width * 4 ? 1 : 0;
    }
    if (full * 5 < continued * 3) {
        return std::nullopt;
    }
    return width;
}

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(begin, end - begin);
        const std::size_t indent = indentation(line);
        lines.push_back(
            {line, WhiteSpace::isBlank(line) ? std::string_view{} : trimmedEnd(line.substr(indent)),
             indent});
        begin = end + 1;
    }
    return lines;
}

class Joiner {
public:
    explicit Joiner(std::vector<Line> lines)
        : lines_(std::move(lines)), wrapWidth_(wrapWidthOf(lines_)) {}

    // Whether the break after line `i` only wraps.
    bool wraps(std::size_t i) const {
        const Line& line = lines_[i];
        const Line& next = lines_[i + 1];
        if (line.isBlank() || next.isBlank()) {
            return false;
        }
        if (isCentredPair(i)) {
            return true;
        }
        if (next.indent > line.indent || isHeading(i)) {
            return false;
        }
        // In wrapped prose the width puts numbers and brackets at the start of a line as often
        // as any word ("(1) assert", "11 of the treaty", "section\n7."); only lines around it
        // that start the same way make it a list item.
        if (wrapWidth_ && startsWithNumberOrBracket(next.content)) {
            return !looksLikeList(i + 1);
        }
        if (isListItem(next.content)) {
            return false;
        }
        if (endsInSplitWord(line.content)) {
            return startsInLowerCase(next.content);
        }
        if (!endsSentence(line.content) && startsInLowerCase(next.content)) {
            return true;
        }
        // A line of wrapped prose that fills most of the width mid-sentence goes on, whatever
        // starts the next: wrapping leaves a ragged edge, headings and verse lines end earlier.
        if (wrapWidth_ && !endsSentence(line.content) && widthOf(line) * 3 >= *wrapWidth_ * 2 &&
            !isVerse(i)) {
            return true;
        }
        // The next line's first word would not have fitted on this one: the width broke the line,
        // whatever ends it or starts the next.
        return wrapWidth_ && widthOf(line) + 1 + widthOf(firstWord(next.content)) > *wrapWidth_;
    }

    // `capacity`: the text's size, which joining never exceeds; reserved so that a book's text
    // is not held twice while the result grows.
    std::string joined(std::size_t capacity) const {
        std::string result;
        result.reserve(capacity);
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const bool joinsPrevious = i > 0 && wraps(i - 1);
            const Line& line = lines_[i];
            if (!joinsPrevious) {
                if (i > 0) {
                    result += '\n';
                }
                result.append(line.text.substr(0, line.indent));
            }
            const bool joinsNext = i + 1 < lines_.size() && wraps(i);
            std::string_view content =
                joinsNext || joinsPrevious ? line.content : line.text.substr(line.indent);
            if (joinsNext && endsInSplitWord(content)) {
                content.remove_suffix(1);
                result.append(content);
            } else {
                result.append(content);
                if (joinsNext) {
                    result += ' ';
                }
            }
        }
        return result;
    }

private:
    // The lines of the blank-line block that holds line `i`, as [first, last).
    std::pair<std::size_t, std::size_t> blockOf(std::size_t i) const {
        std::size_t first = i;
        while (first > 0 && !lines_[first - 1].isBlank()) {
            --first;
        }
        std::size_t last = i + 1;
        while (last < lines_.size() && !lines_[last].isBlank()) {
            ++last;
        }
        return {first, last};
    }

    // Line `j` starts a list item: another line of its block at its indent starts with a
    // marker of the same kind.
    bool looksLikeList(std::size_t j) const {
        const Marker marker = markerOf(lines_[j].content);
        if (marker == Marker::none) {
            return false;
        }
        const auto [first, last] = blockOf(j);
        for (std::size_t k = first; k < last; ++k) {
            if (k != j && lines_[k].indent == lines_[j].indent &&
                markerOf(lines_[k].content) == marker) {
                return true;
            }
        }
        return false;
    }

    // Verse: a block of three or more lines, each starting in upper case and none filling the
    // width the prose around it was wrapped at.
    bool isVerse(std::size_t i) const {
        constexpr std::size_t fewestLines = 3;
        const auto [first, last] = blockOf(i);
        if (last - first < fewestLines) {
            return false;
        }
        for (std::size_t k = first; k < last; ++k) {
            const std::int32_t c = firstCodePoint(lines_[k].content);
            if (widthOf(lines_[k]) * 5 >= *wrapWidth_ * 4 || c < 0 || !u_isupper(c)) {
                return false;
            }
        }
        return true;
    }

    // A title centred over two lines, as in "GNU GENERAL PUBLIC LICENSE / Version 3": both far
    // in, their middles within two columns.
    bool isCentredPair(std::size_t i) const {
        constexpr std::size_t centredIndent = 8;
        const Line& line = lines_[i];
        const Line& next = lines_[i + 1];
        if (!wrapWidth_ || line.indent < centredIndent || next.indent < centredIndent) {
            return false;
        }
        const auto middle = [](const Line& l) {
            return static_cast<long>(l.indent * 2 + widthOf(l.content));
        };
        return std::abs(middle(line) - middle(next)) <= 4;
    }

    // A short line after a blank one, above a line at least twice its length: a heading, even
    // when the text below it starts in lower case.
    bool isHeading(std::size_t i) const {
        const bool standsAlone = i == 0 || lines_[i - 1].isBlank();
        return standsAlone && lines_[i].content.size() * 2 <= lines_[i + 1].content.size();
    }

    std::vector<Line> lines_;
    std::optional<std::size_t> wrapWidth_;
};

} // namespace

std::string join(std::string_view text) {
    const std::string normalized = TextEngine::normalize(text);
    return Joiner(linesOf(normalized)).joined(normalized.size());
}

} // namespace velora::HardWrap
