#include "core/Graphemes.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct CountCase {
    const char* name;
    std::string text;
    std::size_t characters;
};

class GraphemeCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(GraphemeCount, CountsUserPerceivedCharacters) {
    EXPECT_EQ(Graphemes::count(GetParam().text), GetParam().characters);
    EXPECT_EQ(Graphemes::split(GetParam().text).size(), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GraphemeCount,
    ::testing::Values(CountCase{"empty", "", 0}, CountCase{"ascii", "hello", 5},
                      CountCase{"crlf", "a\r\nb", 3},
                      CountCase{"combiningAccent", "e\xCC\x81t\xC3\xA9", 3},
                      CountCase{"flag", "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7", 1},
                      CountCase{"zwjFamily",
                                "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F"
                                "\x91\xA7",
                                1},
                      CountCase{"cjk", "\xE6\x97\xA5\xE6\x9C\xAC", 2}),
    [](const auto& info) { return info.param.name; });

TEST(Graphemes, PrefixStopsAtAClusterBoundary) {
    EXPECT_EQ(Graphemes::prefix("e\xCC\x81"
                                "ab",
                                1),
              "e\xCC\x81");
    EXPECT_EQ(Graphemes::prefix("abc", 5), "abc");
    EXPECT_EQ(Graphemes::prefix("abc", 0), "");
}

TEST(Graphemes, RepairReplacesEachIllFormedSequence) {
    EXPECT_EQ(Graphemes::repairUtf8("a\xFF"
                                    "b\xC3"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_EQ(Graphemes::repairUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Graphemes::repairUtf8("ok \xC3\xA9"), "ok \xC3\xA9");
}

} // namespace
} // namespace velora
