#include "core/RtfReader.hpp"

#include "core/RtfCodePages.hpp"
#include "core/WhiteSpace.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <unicode/unistr.h>
#include <vector>

namespace velora::RtfReader {

namespace {

constexpr int defaultCodePage = 1252;
// Word writes nothing longer; a longer run of letters is not a control word.
constexpr std::size_t maxControlWordLength = 32;
constexpr std::size_t maxParameterDigits = 10;

// Destinations whose text is not part of the document's reading text.
constexpr std::array skippedDestinations{"author",     "buptim",       "colortbl",
                                         "comment",    "creatim",      "datastore",
                                         "doccomm",    "fldinst",      "footer",
                                         "footerf",    "footerl",      "footerr",
                                         "footnote",   "header",       "headerf",
                                         "headerl",    "headerr",      "info",
                                         "keywords",   "listtable",    "listoverridetable",
                                         "nonshppict", "object",       "operator",
                                         "pict",       "printim",      "private",
                                         "revtim",     "rsidtbl",      "stylesheet",
                                         "subject",    "themedata",    "title",
                                         "xe",         "tc",           "txe",
                                         "bkmkstart",  "bkmkend",      "filetbl",
                                         "revtbl",     "latentstyles", "colorschememapping",
                                         "generator",  "xmlnstbl",     "pgdsctbl",
                                         "mmathPr"};

enum class Destination { text, fontTable, skipped };

// Real documents nest a few dozen groups; a file of braces must not cost memory per brace.
constexpr std::size_t maxGroupDepth = 1000;

struct GroupState {
    Destination destination = Destination::text;
    int codePage = 0; // 0: the document's code page
    long unicodeSkip = 1;
    bool hidden = false;
};

class Parser {
public:
    explicit Parser(std::string_view rtf) : input_(rtf) {}

    std::optional<std::string> run() {
        while (position_ < input_.size()) {
            const char c = input_[position_++];
            switch (c) {
            case '{':
                flushBytes();
                pendingSkip_ = 0;
                if (groups_.size() < maxGroupDepth) {
                    groups_.push_back(groups_.back());
                } else {
                    ++excessDepth_;
                }
                break;
            case '}':
                flushBytes();
                pendingSkip_ = 0;
                if (excessDepth_ > 0) {
                    --excessDepth_;
                    break;
                }
                groups_.pop_back();
                if (groups_.empty()) {
                    return finish();
                }
                break;
            case '\\':
                control();
                break;
            case '\r':
            case '\n':
            case '\0':
                break;
            default:
                byte(static_cast<unsigned char>(c));
                break;
            }
        }
        return finish();
    }

private:
    GroupState& group() { return groups_.back(); }

    bool emitting() { return group().destination == Destination::text && !group().hidden; }

    // Characters after \uN that stand in for it in readers without Unicode.
    bool consumeSkip() {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return true;
        }
        return false;
    }

    void byte(unsigned char value) {
        if (consumeSkip() || !emitting()) {
            return;
        }
        if (value < 0x80 && bytes_.empty()) {
            text_.append(static_cast<char16_t>(value));
        } else {
            bytes_.push_back(static_cast<char>(value));
        }
    }

    void append(char16_t character) {
        flushBytes();
        if (emitting()) {
            text_.append(character);
        }
    }

    void flushBytes() {
        if (bytes_.empty()) {
            return;
        }
        UConverter* converter =
            converterFor(group().codePage ? group().codePage : documentCodePage_);
        if (converter == nullptr) {
            converter = converterFor(defaultCodePage);
        }
        if (converter != nullptr) {
            ucnv_reset(converter);
            UErrorCode status = U_ZERO_ERROR;
            const auto length = static_cast<std::int32_t>(bytes_.size());
            const std::int32_t capacity = 2 * length;
            icu::UnicodeString decoded;
            const std::int32_t written = ucnv_toUChars(converter, decoded.getBuffer(capacity),
                                                       capacity, bytes_.data(), length, &status);
            decoded.releaseBuffer(U_SUCCESS(status) ? written : 0);
            text_.append(decoded);
        }
        bytes_.clear();
    }

    UConverter* converterFor(int codePage) {
        auto found = converters_.find(codePage);
        if (found == converters_.end()) {
            found = converters_.emplace(codePage, openCodePage(codePage)).first;
        }
        return found->second.get();
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    void control() {
        if (position_ >= input_.size()) {
            return;
        }
        const char c = input_[position_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++position_;
        switch (c) {
        case '\'':
            hexByte();
            break;
        case '*':
            group().destination = Destination::skipped;
            break;
        case '{':
        case '}':
        case '\\':
            byte(static_cast<unsigned char>(c));
            break;
        case '~':
            symbol(u'\u00A0');
            break;
        case '_':
            symbol(u'\u2011');
            break;
        case '\r':
        case '\n':
            symbol(u'\n');
            break;
        default: // \- (optional hyphen), \: and unknown symbols add nothing
            consumeSkip();
            break;
        }
    }

    void symbol(char16_t character) {
        if (!consumeSkip()) {
            append(character);
        }
    }

    void hexByte() {
        int value = 0;
        for (int digit = 0; digit < 2; ++digit) {
            if (position_ >= input_.size()) {
                return;
            }
            const char h = input_[position_];
            int nibble = -1;
            if (isDigit(h)) {
                nibble = h - '0';
            } else if (h >= 'a' && h <= 'f') {
                nibble = h - 'a' + 10;
            } else if (h >= 'A' && h <= 'F') {
                nibble = h - 'A' + 10;
            }
            if (nibble < 0) {
                return;
            }
            value = value * 16 + nibble;
            ++position_;
        }
        byte(static_cast<unsigned char>(value));
    }

    void controlWord() {
        const std::size_t start = position_;
        while (position_ < input_.size() && isLetter(input_[position_]) &&
               position_ - start < maxControlWordLength) {
            ++position_;
        }
        const std::string_view word = input_.substr(start, position_ - start);
        std::optional<long> parameter;
        const std::size_t numberStart = position_;
        if (position_ < input_.size() && input_[position_] == '-') {
            ++position_;
        }
        const std::size_t digitsStart = position_;
        while (position_ < input_.size() && isDigit(input_[position_]) &&
               position_ - digitsStart < maxParameterDigits) {
            ++position_;
        }
        if (position_ > digitsStart) {
            long value = 0;
            std::from_chars(input_.data() + numberStart, input_.data() + position_, value);
            parameter = value;
        } else {
            position_ = numberStart;
        }
        if (position_ < input_.size() && input_[position_] == ' ') {
            ++position_;
        }
        apply(word, parameter);
    }

    void apply(std::string_view word, std::optional<long> parameter) {
        if (word == "bin") {
            // Raw binary data follows; it is never text.
            const auto length = static_cast<std::size_t>(std::max(0L, parameter.value_or(0)));
            position_ += std::min(length, input_.size() - position_);
            return;
        }
        if (word == "u" && parameter) {
            unicode(*parameter);
            return;
        }
        if (consumeSkip()) {
            return;
        }
        if (word == "par" || word == "line" || word == "row" || word == "sect" || word == "page") {
            append(u'\n');
        } else if (word == "tab" || word == "cell") {
            append(u'\t');
        } else if (word == "emdash") {
            append(u'\u2014');
        } else if (word == "endash") {
            append(u'\u2013');
        } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
            append(u' ');
        } else if (word == "bullet") {
            append(u'\u2022');
        } else if (word == "lquote") {
            append(u'\u2018');
        } else if (word == "rquote") {
            append(u'\u2019');
        } else if (word == "ldblquote") {
            append(u'\u201C');
        } else if (word == "rdblquote") {
            append(u'\u201D');
        } else if (word == "uc") {
            group().unicodeSkip = std::clamp(parameter.value_or(1), 0L, 16L);
        } else if (word == "ansicpg" && parameter) {
            documentCodePage_ = static_cast<int>(*parameter);
        } else if (word == "mac") {
            documentCodePage_ = 10000;
        } else if (word == "pc") {
            documentCodePage_ = 437;
        } else if (word == "pca") {
            documentCodePage_ = 850;
        } else if (word == "fonttbl") {
            flushBytes();
            group().destination = Destination::fontTable;
        } else if (word == "f" && parameter) {
            font(*parameter);
        } else if (word == "fcharset" && parameter) {
            if (group().destination == Destination::fontTable) {
                fontCodePages_[currentFont_] = codePageOfCharset(*parameter);
            }
        } else if (word == "cpg" && parameter) {
            if (group().destination == Destination::fontTable) {
                fontCodePages_[currentFont_] = static_cast<int>(*parameter);
            }
        } else if (word == "v") {
            flushBytes();
            group().hidden = parameter.value_or(1) != 0;
        } else if (std::find(skippedDestinations.begin(), skippedDestinations.end(), word) !=
                   skippedDestinations.end()) {
            flushBytes();
            group().destination = Destination::skipped;
        }
    }

    void font(long number) {
        if (group().destination == Destination::fontTable) {
            currentFont_ = number;
            return;
        }
        flushBytes();
        const auto found = fontCodePages_.find(number);
        group().codePage = found == fontCodePages_.end() ? 0 : found->second;
    }

    void unicode(long value) {
        const long codeUnit = value < 0 ? value + 65536 : value;
        if (codeUnit >= 0 && codeUnit <= 0xFFFF) {
            append(static_cast<char16_t>(codeUnit));
        }
        pendingSkip_ = group().unicodeSkip;
    }

    std::optional<std::string> finish() {
        flushBytes();
        std::string result;
        text_.toUTF8String(result);
        if (WhiteSpace::isBlank(result)) {
            return std::nullopt;
        }
        return result;
    }

    std::string_view input_;
    std::size_t position_ = 0;
    std::vector<GroupState> groups_{GroupState{}};
    // Groups nested deeper than the limit, read as part of the deepest one kept.
    std::size_t excessDepth_ = 0;
    int documentCodePage_ = defaultCodePage;
    std::map<long, int> fontCodePages_;
    long currentFont_ = 0;
    long pendingSkip_ = 0;
    std::string bytes_;
    icu::UnicodeString text_;
    std::map<int, Converter> converters_;
};

} // namespace

std::optional<std::string> text(std::string_view rtf) {
    // An RTF file opens with its outermost group and the \rtf control word.
    if (!rtf.starts_with("{\\rtf")) {
        return std::nullopt;
    }
    return Parser(rtf.substr(1)).run();
}

} // namespace velora::RtfReader
