#include "core/TextDecoder.hpp"

#include "core/Graphemes.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>

namespace velora::TextDecoder {

namespace {

struct ByteOrderMark {
    std::string_view bytes;
    const char* charset;
};

// UTF-32LE first: its mark begins with the UTF-16LE one.
constexpr std::array byteOrderMarks{
    ByteOrderMark{std::string_view("\xFF\xFE\x00\x00", 4), "UTF-32LE"},
    ByteOrderMark{std::string_view("\x00\x00\xFE\xFF", 4), "UTF-32BE"},
    ByteOrderMark{std::string_view("\xFF\xFE", 2), "UTF-16LE"},
    ByteOrderMark{std::string_view("\xFE\xFF", 2), "UTF-16BE"},
};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

std::string latin1(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return text;
}

} // namespace

std::optional<std::string> convert(std::string_view bytes, const char* charset) {
    if (bytes.size() > INT32_MAX) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open(charset, &status));
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    icu::UnicodeString text(bytes.data(), static_cast<std::int32_t>(bytes.size()), converter.get(),
                            status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    if (text.startsWith(u"\uFEFF")) {
        text.remove(0, 1);
    }
    std::string result;
    text.toUTF8String(result);
    return result;
}

std::string decode(std::string_view bytes, const CharsetGuess& guess) {
    if (Graphemes::isWellFormed(bytes)) {
        return std::string(bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
    }
    for (const auto& mark : byteOrderMarks) {
        if (bytes.starts_with(mark.bytes)) {
            if (auto text = convert(bytes, mark.charset)) {
                return std::move(*text);
            }
            break;
        }
    }
    // A guess of UTF-16 or UTF-32 without a byte-order mark is no plausible desktop text file.
    if (const std::string charset = guess ? guess(bytes) : std::string();
        !charset.empty() && !charset.starts_with("UTF-")) {
        if (auto text = convert(bytes, charset.c_str())) {
            return std::move(*text);
        }
    }
    return latin1(bytes);
}

} // namespace velora::TextDecoder
