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

const std::string french = "L\u2019\u00E9t\u00E9 dernier, nous sommes all\u00E9s \u00E0 la "
                           "plage. C\u2019\u00E9tait tr\u00E8s agr\u00E9able. ";
const std::string russian =
    "\u041F\u0440\u0438\u0432\u0435\u0442, \u043A\u0430\u043A \u0434\u0435\u043B\u0430? "
    "\u0421\u0435\u0433\u043E\u0434\u043D\u044F \u0445\u043E\u0440\u043E\u0448\u0430\u044F "
    "\u043F\u043E\u0433\u043E\u0434\u0430. ";
const std::string greek = "\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1, \u03C0\u03CE\u03C2 "
                          "\u03B5\u03AF\u03C3\u03B1\u03B9; ";

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};

class Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, RecoversTheText) {
    EXPECT_EQ(TextDecoder::decode(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, Decoding,
    ::testing::Values(
        DecodeCase{"empty", "", ""}, DecodeCase{"ascii", "plain words", "plain words"},
        DecodeCase{"utf8", "caf\u00E9 \u65E5\u672C", "caf\u00E9 \u65E5\u672C"},
        DecodeCase{"utf8WithMark", "\xEF\xBB\xBFmarked", "marked"},
        DecodeCase{"utf16LittleEndianWithMark", "\xFF\xFE" + encoded("h\u00E9 \u65E5", "UTF-16LE"),
                   "h\u00E9 \u65E5"},
        DecodeCase{"utf16BigEndianWithMark", "\xFE\xFF" + encoded("h\u00E9 \u65E5", "UTF-16BE"),
                   "h\u00E9 \u65E5"},
        DecodeCase{"utf32LittleEndianWithMark",
                   std::string("\xFF\xFE\0\0", 4) + encoded("\U0001F600 ok", "UTF-32LE"),
                   "\U0001F600 ok"},
        DecodeCase{"windows1252", encoded(repeated(french, 10), "windows-1252"),
                   repeated(french, 10)},
        DecodeCase{"shortWindows1252", encoded("\u201CHi\u201D, I said", "windows-1252"),
                   "\u201CHi\u201D, I said"},
        DecodeCase{"koi8r", encoded(repeated(russian, 5), "KOI8-R"), repeated(russian, 5)},
        DecodeCase{"windows1251", encoded(repeated(russian, 5), "windows-1251"),
                   repeated(russian, 5)},
        DecodeCase{"greek", encoded(repeated(greek, 10), "ISO-8859-7"), repeated(greek, 10)},
        // Too short to identify: read byte for byte, which keeps Western text right.
        DecodeCase{"shortLatin1Falls", "caf\xE9", "caf\u00E9"},
        DecodeCase{"binaryNeverFails", std::string("\x00\x01\xFF\xFE\x80 abc", 9),
                   std::string("\x00\x01\u00FF\u00FE\u0080 abc", 12)}),
    [](const auto& info) { return info.param.name; });

TEST(TextDecoder, Utf16WithoutAMarkIsNotTrusted) {
    // Valid ASCII as UTF-8, so it must stay as it is rather than turn into CJK.
    const std::string bytes = "Hello world, how are you";
    EXPECT_EQ(TextDecoder::decode(bytes), bytes);
    // Not UTF-8 and no mark: the detector's UTF-16 guess is refused.
    const std::string odd = encoded("Hello w\u00F6rld", "UTF-16LE");
    EXPECT_NE(TextDecoder::decode(odd).find("H"), std::string::npos);
}

TEST(TextDecoder, ConvertRejectsInvalidBytesAndUnknownCharsets) {
    EXPECT_EQ(TextDecoder::convert("caf\xE9", "ISO-8859-1"), "caf\u00E9");
    EXPECT_FALSE(TextDecoder::convert("\x81\x20", "Shift_JIS").has_value());
    EXPECT_FALSE(TextDecoder::convert("abc", "no-such-charset").has_value());
}

} // namespace
} // namespace velora
