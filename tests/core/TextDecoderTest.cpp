#include "core/TextDecoder.hpp"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

namespace velora {
namespace {

// The text encoded in `charset` by ICU, so that the cases state the text, not its bytes.
std::string encoded(const std::string& utf8, const char* charset) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(charset, &status);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    std::string bytes(static_cast<std::size_t>(text.length()) * 4 + 8, '\0');
    const std::int32_t length =
        text.extract(bytes.data(), static_cast<std::int32_t>(bytes.size()), converter, status);
    ucnv_close(converter);
    EXPECT_TRUE(U_SUCCESS(status)) << charset;
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

const std::string greek = "\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1, \u03C0\u03CE\u03C2 "
                          "\u03B5\u03AF\u03C3\u03B1\u03B9; ";

struct DecodeCase {
    const char* name;
    std::string bytes;
    // What the charset guess says, if asked.
    std::string guess;
    std::string text;
};

class Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, TrustsMarksAndUtf8BeforeTheGuessAndLatin1Last) {
    const std::string guess = GetParam().guess;
    EXPECT_EQ(TextDecoder::decode(GetParam().bytes, [&guess](std::string_view) { return guess; }),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, Decoding,
    ::testing::Values(
        DecodeCase{"utf8OverAnyGuess", "\xEF\xBB\xBFh\u00E9", "KOI8-R", "h\u00E9"},
        DecodeCase{"utf16LittleEndianWithMark", "\xFF\xFE" + encoded("h\u00E9 \u65E5", "UTF-16LE"),
                   "windows-1252", "h\u00E9 \u65E5"},
        DecodeCase{"guessed", encoded(repeated(greek, 3), "ISO-8859-7"), "ISO-8859-7",
                   repeated(greek, 3)},
        DecodeCase{"guessThatDoesNotFit", "caf\xE9 \x81\x20", "Shift_JIS", "caf\u00E9 \u0081 "},
        // Without a mark, UTF-16 is never a plausible answer.
        DecodeCase{"unicodeGuessWithoutMark", "caf\xE9", "UTF-16LE", "caf\u00E9"},
        DecodeCase{"noGuess", "caf\xE9", "", "caf\u00E9"}),
    [](const auto& info) { return info.param.name; });

TEST(TextDecoder, ConvertRejectsInvalidBytesAndUnknownCharsets) {
    EXPECT_EQ(TextDecoder::convert("caf\xE9", "ISO-8859-1"), "caf\u00E9");
    EXPECT_FALSE(TextDecoder::convert("\x81\x20", "Shift_JIS").has_value());
    EXPECT_FALSE(TextDecoder::convert("abc", "no-such-charset").has_value());
}

} // namespace
} // namespace velora
