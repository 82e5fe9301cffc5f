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
        RtfCase{"unicodeWithFallback", R"({\rtf1\ansi caf\u233?\u8364?!})", "caf\u00E9\u20AC!"},
        RtfCase{"unicodeSkipCount", R"({\rtf1\uc2 \u20320\'c4\'e3x\uc0\u22909 y})",
                "\u4F60x\u597Dy"},
        RtfCase{"negativeUnicodeAndSurrogates", R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
        RtfCase{
            "fontCharset",
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Times;}{\f1\fcharset161 Arial Greek;}}\f0 \'e9 {\f1 \'e1\'e2} \'e9})",
            "\u00E9 \u03B1\u03B2 \u00E9"},
        RtfCase{
            "ignorableAndTables",
            R"({\rtf1{\colortbl;\red255\green0\blue0;}{\stylesheet{\s1 Heading;}}{\info{\title Secret}}{\*\generator Writer;}Body})",
            "Body"}),
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
    ::testing::Values(RejectCase{"noText", R"({\rtf1{\fonttbl{\f0 Arial;}}\par\par})"},
                      RejectCase{"hugeParameters", R"({\rtf1\uc9999999999\bin-5\u9999999999 })"}),
    [](const auto& info) { return info.param.name; });

TEST(RtfReader, DeepNestingDoesNotExhaustTheStack) {
    std::string rtf = "{\\rtf1 ";
    rtf += std::string(200000, '{') + "deep" + std::string(200000, '}') + "}";
    EXPECT_EQ(RtfReader::text(rtf), "deep");
}

} // namespace
} // namespace velora
