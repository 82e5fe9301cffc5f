#include "core/HardWrap.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct WrapCase {
    const char* name;
    const char* text;
    const char* joined;
};

class HardWrapJoin : public ::testing::TestWithParam<WrapCase> {};

TEST_P(HardWrapJoin, UndoesOnlyBreaksThatWrap) {
    EXPECT_EQ(HardWrap::join(GetParam().text), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HardWrapJoin,
    ::testing::Values(
        WrapCase{"Empty", "", ""},
        WrapCase{"SentenceGoesOn", "The cat sat on\nthe mat.", "The cat sat on the mat."},
        WrapCase{"TrailingAndLeadingSpace", "The cat sat on  \nthe mat.",
                 "The cat sat on the mat."},
        WrapCase{"SentenceEnds", "The cat sat.\nthe mat waited.", "The cat sat.\nthe mat waited."},
        WrapCase{"QuotedSentenceEnds", "He said \"no.\"\nthen left", "He said \"no.\"\nthen left"},
        WrapCase{"UpperCaseNextLine", "Read the\nGNU licence", "Read the\nGNU licence"},
        WrapCase{"SplitWord", "a remark-\nable day", "a remarkable day"},
        WrapCase{"DashBeforeUpperCase", "the well-\nKnown", "the well-\nKnown"},
        WrapCase{"BlankLines", "one paragraph\n\nanother one", "one paragraph\n\nanother one"},
        WrapCase{"ListItems", "Buy these:\n- milk\n- bread\n1. eggs\na) flour\n(iv) salt",
                 "Buy these:\n- milk\n- bread\n1. eggs\na) flour\n(iv) salt"},
        WrapCase{"IndentedLine", "some code\n    continued here", "some code\n    continued here"},
        WrapCase{"ShortHeading", "Preamble\nthe licence is long enough to wrap",
                 "Preamble\nthe licence is long enough to wrap"},
        WrapCase{
            "Paragraphs",
            "  First line of a para\ngraph goes on\n\nSecond para\u00adgraph is\n\u00e9t\u00e9 "
            "here.\r\nNew one",
            "  First line of a para graph goes on\n\nSecond para\u00adgraph is \u00e9t\u00e9 "
            "here.\nNew one"},
        WrapCase{"GreekLowerCase", "\u03ba\u03b1\u03b9\n\u03c4\u03bf",
                 "\u03ba\u03b1\u03b9 \u03c4\u03bf"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
