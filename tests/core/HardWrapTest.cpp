#include "core/HardWrap.hpp"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
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

// Prose wrapped at 70 columns, enough of it for the width to be found.
const std::string wrappedProse =
    "The committee met on a grey morning in the old hall above the market and\n"
    "talked for a long time about the roads, the bridges and the new school\n"
    "that the town had wanted for years, and about the money it would need\n"
    "from the county before any of it could be started in the coming spring.\n"
    "Nobody had expected the meeting to be short, and nobody was surprised\n"
    "when the clerk read out the figures a second time, slowly, so that the\n"
    "members at the back of the room could write them down in their books\n"
    "before the chairman asked whether anyone wished to speak against them.\n";

struct ListCase {
    const char* name;
    const char* lines;
};

class WrappedProseLists : public ::testing::TestWithParam<ListCase> {};

// Lists and verse inside wrapped prose keep their line breaks.
TEST_P(WrappedProseLists, KeepTheirBreaks) {
    const std::string block = GetParam().lines;
    const std::string joined = HardWrap::join(wrappedProse + "\n" + block);
    EXPECT_NE(joined.find(block), std::string::npos) << joined;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, WrappedProseLists,
    ::testing::Values(ListCase{"Numbered", "The members agreed on these points:\n"
                                           "1. the roads come first,\n"
                                           "2. the bridges second,\n"
                                           "3. the school when the money is found."},
                      ListCase{"Lettered", "  a) The clerk writes to the county about the money\n"
                                           "  b) The chairman visits the bridges before May\n"
                                           "  c) The treasurer reports at the next meeting"},
                      ListCase{"Verse", "And then the clerk stood up to sing\n"
                                        "A song about the market town\n"
                                        "Of bridges, roads and everything\n"
                                        "That time and water wore down"}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the width put a number or a bracket at the start of a line, the paragraph goes on.
TEST(HardWrap, NumbersAndBracketsInsideWrappedProseContinueTheParagraph) {
    const std::string text =
        wrappedProse + "\nDevelopers who use the licence protect your rights with two steps:\n"
                       "(1) assert copyright on the software, and (2) offer you this licence\n"
                       "under article\n"
                       "11 of the treaty adopted on 20 December 1996, or similar laws.\n";
    const std::string joined = HardWrap::join(text);
    EXPECT_NE(joined.find("two steps: (1) assert"), std::string::npos) << joined;
    EXPECT_NE(joined.find("licence under article 11 of"), std::string::npos) << joined;
}

// The plain-text licence ends exactly the paragraphs its blank lines separate.
TEST(HardWrap, TheGplKeepsItsBlankLineParagraphsAndNoOthers) {
    std::ifstream file("/usr/share/common-licenses/GPL-3");
    std::ostringstream content;
    content << file.rdbuf();
    const std::string raw = content.str();
    ASSERT_FALSE(raw.empty());
    const auto squeezed = [](const std::string& text) {
        return std::regex_replace(text, std::regex("[ \t\n]+"), " ");
    };
    std::vector<std::string> expected;
    const std::regex blank("\n[ \t]*\n");
    for (std::sregex_token_iterator it(raw.begin(), raw.end(), blank, -1), end; it != end; ++it) {
        if (it->str().find_first_not_of(" \t\n") != std::string::npos) {
            expected.push_back(squeezed(it->str()));
        }
    }
    std::vector<std::string> lines;
    std::istringstream joined(HardWrap::join(raw));
    for (std::string line; std::getline(joined, line);) {
        if (line.find_first_not_of(" \t") != std::string::npos) {
            lines.push_back(squeezed(line));
        }
    }
    ASSERT_EQ(expected.size(), 122U);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto trimmed = [](std::string s) {
            s.erase(0, s.find_first_not_of(' '));
            s.erase(s.find_last_not_of(' ') + 1);
            return s;
        };
        EXPECT_EQ(trimmed(lines[i]), trimmed(expected[i])) << "paragraph " << i;
    }
}

} // namespace
} // namespace velora
