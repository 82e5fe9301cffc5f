#include "core/JsonFields.hpp"

#include "core/Graphemes.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

class DumpedStrings : public ::testing::TestWithParam<std::string> {};

// Whatever the bytes, the text is valid JSON that reads back as the UTF-8-repaired string.
TEST_P(DumpedStrings, ReadBackRepaired) {
    const nlohmann::json value = {{"k", GetParam()}, {"list", {GetParam(), 1.0 / 3.0}}};
    const std::string text = JsonFields::dump(value);
    const auto parsed = JsonFields::parse(text);
    ASSERT_FALSE(parsed.is_discarded()) << text;
    const std::string repaired = Graphemes::repairUtf8(GetParam());
    EXPECT_EQ(parsed["k"], repaired);
    EXPECT_EQ(parsed["list"][0], repaired);
    EXPECT_EQ(parsed["list"][1].get<double>(), 1.0 / 3.0);
}

std::string allControlCharacters() {
    std::string text;
    for (char c = 0; c < 0x20; ++c) {
        text += c;
    }
    return text + "\x7f\"\\/";
}

INSTANTIATE_TEST_SUITE_P(Bytes, DumpedStrings,
                         ::testing::Values(std::string(), allControlCharacters(),
                                           std::string("caf\xc3\xa9 \xe2\x80\xa8 \xf0\x9f\x98\x80"),
                                           std::string("bad \xff tail"),
                                           std::string("cut \xe2\x82"), std::string("\xc3\xa9\xc3"),
                                           std::string("\xed\xa0\x80 surrogate"),
                                           std::string("overlong \xc0\xaf")));

TEST(JsonFields, IntegersMustBeIntegralAndFit) {
    using JsonFields::integer;
    EXPECT_EQ(integer(nlohmann::json::parse("-9223372036854775808")), INT64_MIN);
    EXPECT_EQ(integer(nlohmann::json::parse("9223372036854775807")), INT64_MAX);
    EXPECT_FALSE(integer(nlohmann::json::parse("9223372036854775808")));
    EXPECT_FALSE(integer(nlohmann::json::parse("9.3e18")));
    EXPECT_FALSE(integer(nlohmann::json::parse("-1e19")));
}

} // namespace
} // namespace velora
