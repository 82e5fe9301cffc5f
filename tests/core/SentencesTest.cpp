#include "core/Sentences.hpp"

#include "core/TextEngine.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct SentenceCase {
    const char* name;
    const char* text;
    std::vector<std::int64_t> starts;
};

class SentenceStarts : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceStarts, FallOnTheWordsThatBeginSentences) {
    EXPECT_EQ(Sentences::starts(GetParam().text), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SentenceStarts,
    ::testing::Values(
        SentenceCase{"Empty", "", {}}, SentenceCase{"Blank", " \n\t\n", {}},
        SentenceCase{"Plain", "One two. Three four! Five? Six", {0, 2, 4, 5}},
        SentenceCase{
            "Abbreviations", "Mr. Smith met Dr. Jones. They talked, e.g. about it.", {0, 5}},
        SentenceCase{"Initials", "J. R. Tolkien wrote. He slept.", {0, 4}},
        SentenceCase{"Decimals", "Pi is 3.14 today. Yes", {0, 4}},
        SentenceCase{
            "ClosingQuotes", "He said \"Stop.\" Then he left. (Really.) Yes.", {0, 3, 6, 7}},
        SentenceCase{"Ellipses", "Wait... What now? Well\u2026 maybe.", {0, 1, 3}},
        SentenceCase{"HeadingsAndLines", "Preamble\nThe text begins here\n\nNext part", {0, 1, 5}},
        SentenceCase{"NumberedList", "1. First item\n2. Second item. Still two", {0, 3, 6}},
        SentenceCase{"YearEndsSentence", "It was 1999. Then more.", {0, 3}},
        SentenceCase{"CjkSpaced", "\u4f60\u597d\u3002 \u518d\u89c1\u3002", {0, 1}},
        SentenceCase{"CjkUnspaced", "\u4f60\u597d\u3002\u518d\u89c1\u3002 \u597d", {0, 1, 2}},
        SentenceCase{"Thai",
                     "\u0e2a\u0e27\u0e31\u0e2a\u0e14\u0e35 \u0e04\u0e23\u0e31\u0e1a\n"
                     "\u0e27\u0e31\u0e19\u0e19\u0e35\u0e49",
                     {0, 2}},
        SentenceCase{"CrLfAndIllFormed", "Ab bc.\r\nCd de. \xff E f", {0, 2, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

// The moves index the tokenizer's words, so both must count the same words in any text.
TEST(SentenceStarts, IndexTheTokenizersWords) {
    const std::string text = "\xe2\x80\x83Odd\xc2\xa0spacing.  Then\ttabs!\r\rAnd \xfe\xfe bytes.";
    const auto words = TextEngine::tokenize(text);
    const auto starts = Sentences::starts(text);
    ASSERT_FALSE(starts.empty());
    EXPECT_LT(starts.back(), static_cast<std::int64_t>(words.size()));
    for (const std::int64_t start : starts) {
        if (start > 0) {
            const Word& before = words[static_cast<std::size_t>(start - 1)];
            EXPECT_TRUE(before.isParagraphEnd || before.punctuation == PunctuationWeight::major)
                << before.text;
        }
    }
}

} // namespace
} // namespace velora
