#include "core/TextDecoder.hpp"

#include "core/Graphemes.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucsdet.h>
#include <unicode/unistr.h>

namespace velora::TextDecoder {

namespace {

// Measured on short samples (10 to 3000 bytes) in Windows-1250/1251/1252, KOI8-R, ISO 8859-1/2/7
// and Shift_JIS: wrong answers scored up to 33 (Shift_JIS taken for Windows-1252, Cyrillic for
// Hebrew), right ones from 39 for Cyrillic and Greek; Western text below the line falls through to
// ISO 8859-1, which reads it the same.
constexpr std::int32_t minimumConfidence = 35;

// The detector's statistics settle long before this; scanning a large file whole costs seconds.
constexpr std::size_t detectionSample = 1 << 20;

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

struct DetectorCloser {
    void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// Without a byte-order mark the detector's UTF-16 and UTF-32 answers are guesses, and its EBCDIC
// answers came up for Polish and Czech text; neither is a plausible desktop text file.
bool isUntrusted(std::string_view charset) {
    return charset.starts_with("UTF-") || charset.starts_with("IBM42");
}

std::optional<std::string> detected(std::string_view bytes) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    const std::string_view sample = bytes.substr(0, detectionSample);
    ucsdet_setText(detector.get(), sample.data(), static_cast<std::int32_t>(sample.size()),
                   &status);
    std::int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        const char* name = ucsdet_getName(matches[i], &status);
        const std::int32_t confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status) || confidence < minimumConfidence) {
            break;
        }
        if (isUntrusted(name)) {
            continue;
        }
        if (auto text = convert(bytes, name)) {
            return text;
        }
    }
    return std::nullopt;
}

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

std::string decode(std::string_view bytes) {
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
    if (auto text = detected(bytes)) {
        return std::move(*text);
    }
    return latin1(bytes);
}

} // namespace velora::TextDecoder
