#include "core/HardWrap.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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
        WrapCase{"FullLinesWrapWhateverStartsTheNext",
                 "The clocks were striking thirteen and the wind blew through\n"
                 "Victory Mansions. The hallway smelt of boiled cabbage and old\n"
                 "rag mats, and a poster too large for indoor display had been\n"
                 "tacked to the wall at one end of it, showing simply a face.\n"
                 "Winston made for the stairs, since the lift seldom worked even\n"
                 "at the best of times, and the electric current was cut off.\n"
                 "Julia was thirty-nine and had a varicose ulcer above an ankle.\n"
                 "It was a cold day.\n"
                 "Outside, the world looked cold through the shut window-pane,\n"
                 "and down in the street little eddies of wind whirled the dust.",
                 "The clocks were striking thirteen and the wind blew through Victory Mansions. "
                 "The hallway smelt of boiled cabbage and old rag mats, and a poster too large "
                 "for indoor display had been tacked to the wall at one end of it, showing simply "
                 "a face. Winston made for the stairs, since the lift seldom worked even at the "
                 "best of times, and the electric current was cut off. Julia was thirty-nine and "
                 "had a varicose ulcer above an ankle. It was a cold day.\nOutside, the world "
                 "looked cold through the shut window-pane, and down in the street little eddies "
                 "of wind whirled the dust."},
        WrapCase{"GreekLowerCase", "\u03ba\u03b1\u03b9\n\u03c4\u03bf",
                 "\u03ba\u03b1\u03b9 \u03c4\u03bf"}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines of these widths, each a sentence of its own, have no width they were wrapped at: verse,
// and paragraphs written each on one line.
class UnwrappedLines : public ::testing::TestWithParam<std::vector<std::size_t>> {};

TEST_P(UnwrappedLines, KeepTheirBreaks) {
    std::string text;
    for (const std::size_t width : GetParam()) {
        std::string line = "Then";
        while (line.size() + 5 < width) {
            line += " word";
        }
        line.resize(width - 1, 's');
        text += line + ".\n";
    }
    text.pop_back();
    EXPECT_EQ(HardWrap::join(text), text);
}

INSTANTIATE_TEST_SUITE_P(Widths, UnwrappedLines,
                         ::testing::Values(std::vector<std::size_t>{30, 42, 28, 44, 39, 25, 41, 36},
                                           std::vector<std::size_t>{118, 60, 95, 70, 110, 55, 100,
                                                                    80, 90}));

} // namespace
} // namespace velora
