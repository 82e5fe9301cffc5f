#include "core/RtfReader.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct RtfCase {
    const char* name;
    std::string rtf;
    std::string text;
};

class RtfReading : public ::testing::TestWithParam<RtfCase> {};

TEST_P(RtfReading, GivesTheDocumentText) {
    const auto text = RtfReader::text(GetParam().rtf);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfReading,
    ::testing::Values(
        RtfCase{
            "paragraphsLinesTabs",
            R"({\rtf1\ansi{\fonttbl{\f0\fswiss Helvetica;}}\f0\pard One\par Two\line Three\tab Four\par})",
            "One\nTwo\nThree\tFour\n"},
        RtfCase{"escapedSymbols", R"({\rtf1 a\{b\}c\\d\~e})", "a{b}c\\d\u00A0e"},
        RtfCase{"unicodeWithFallback", R"({\rtf1\ansi caf\u233?\u8364?!})", "caf\u00E9\u20AC!"},
        RtfCase{"unicodeSkipCount", R"({\rtf1\uc2 \u20320\'c4\'e3x\uc0\u22909 y})",
                "\u4F60x\u597Dy"},
        RtfCase{"skipEndsWithGroup", R"({\rtf1\uc3{\u8364}abc})", "\u20ACabc"},
        RtfCase{"negativeUnicodeAndSurrogates", R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
        RtfCase{"windows1252Escapes", R"({\rtf1\ansi\ansicpg1252 \'93caf\'e9\'94 \'85})",
                "\u201Ccaf\u00E9\u201D \u2026"},
        RtfCase{"documentCodePage", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})",
                "\u041F\u0440\u0438\u0432\u0435\u0442"},
        RtfCase{
            "fontCharset",
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Times;}{\f1\fcharset161 Arial Greek;}}\f0 \'e9 {\f1 \'e1\'e2} \'e9})",
            "\u00E9 \u03B1\u03B2 \u00E9"},
        RtfCase{"doubleByteCodePage", R"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})",
                "\u65E5\u672C"},
        RtfCase{
            "ignorableAndTables",
            R"({\rtf1{\colortbl;\red255\green0\blue0;}{\stylesheet{\s1 Heading;}}{\info{\title Secret}}{\*\generator Writer;}Body})",
            "Body"},
        RtfCase{"pictureAndBinarySkipped",
                "{\\rtf1 A{\\pict\\pngblip 89504e47}B{\\object\\bin4 {}}x}C}", "ABC"},
        RtfCase{"fieldKeepsResult",
                R"({\rtf1 See {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt the site}}.})",
                "See the site."},
        RtfCase{"hiddenText", R"({\rtf1 shown{\v hidden} again\v x\v0 y})", "shown againy"},
        RtfCase{"typography",
                R"({\rtf1 \lquote a\rquote \ldblquote b\rdblquote \emdash\endash\bullet})",
                "\u2018a\u2019\u201Cb\u201D\u2014\u2013\u2022"},
        RtfCase{"tableCells", R"({\rtf1 \trowd a\cell b\cell\row c})", "a\tb\t\nc"},
        RtfCase{"truncatedKeepsText", R"({\rtf1 Hello {\b world)", "Hello world"},
        RtfCase{"trailingJunkIgnored", R"({\rtf1 Done}garbage)", "Done"}),
    [](const auto& info) { return info.param.name; });

struct RejectCase {
    const char* name;
    std::string bytes;
};

class RtfRejection : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RtfRejection, IsAbsent) {
    EXPECT_FALSE(RtfReader::text(GetParam().bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfRejection,
    ::testing::Values(RejectCase{"empty", ""}, RejectCase{"plainText", "Hello world"},
                      RejectCase{"html", "<html><body>{\\rtf1 x}</body></html>"},
                      RejectCase{"noText", R"({\rtf1{\fonttbl{\f0 Arial;}}\par\par})"},
                      RejectCase{"onlyAPicture", R"({\rtf1{\pict\wmetafile8 0102ff}})"},
                      RejectCase{"hugeParameters", R"({\rtf1\uc9999999999\bin-5\u9999999999 })"}),
    [](const auto& info) { return info.param.name; });

TEST(RtfReader, DeepNestingDoesNotExhaustTheStack) {
    std::string rtf = "{\\rtf1 ";
    rtf += std::string(200000, '{') + "deep" + std::string(200000, '}') + "}";
    EXPECT_EQ(RtfReader::text(rtf), "deep");
}

} // namespace
} // namespace velora
