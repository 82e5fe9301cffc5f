#include "core/HardWrap.hpp"
#include "core/LengthHyphenator.hpp"
#include "core/ReadingTiming.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "core/TextSanitizer.hpp"
#include "core/WordRhythm.hpp"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velora {
namespace {

struct Text {
    std::vector<Word> words;
    TextStarts starts;
    std::vector<double> shares;
};

Text timed(const std::string& raw, const ReadingSettings& settings) {
    const std::string cleaned = TextSanitizer::clean(HardWrap::join(raw));
    Text text;
    text.words = TextEngine::tokenize(cleaned);
    text.starts = Sentences::of(text.words, cleaned);
    const std::vector<double> weights =
        WordRhythm::weights(text.words, text.starts, LengthHyphenator());
    text.shares = ReadingTiming(settings).rhythmShares(text.words, text.starts, weights);
    return text;
}

ReadingSettings rhythmOn() {
    ReadingSettings settings;
    settings.naturalRhythm = true;
    return settings;
}

double wordTime(const Text& text, std::size_t index, const ReadingSettings& settings) {
    return ReadingTiming(settings, text.shares).interval(std::span(text.words).subspan(index, 1));
}

struct Harder {
    const char* name;
    const char* harderText;
    std::size_t harderIndex;
    const char* easierText;
    std::size_t easierIndex;
};

class RelativeTimes : public ::testing::TestWithParam<Harder> {};

TEST_P(RelativeTimes, HarderWordsStayLonger) {
    const Harder& c = GetParam();
    const Text harder = timed(c.harderText, rhythmOn());
    const Text easier = timed(c.easierText, rhythmOn());
    EXPECT_GT(wordTime(harder, c.harderIndex, rhythmOn()),
              wordTime(easier, c.easierIndex, rhythmOn()) * 1.1);
}

INSTANTIATE_TEST_SUITE_P(
    Words, RelativeTimes,
    ::testing::Values(
        Harder{"RareLongOverShortCommon", "so the cat and the incomprehensible dog sat", 5,
               "so the cat and the incomprehensible dog sat", 4},
        Harder{"NameOverTheSameWordInLowerCase", "we saw Rose by the gate today", 2,
               "we saw rose by the gate today", 2},
        Harder{"NumberOverAWordOfItsLength", "we met in 1984 by the gate", 3,
               "we met in them by the gate", 3},
        Harder{"FirstSightingOverTheTenthRepeat",
               "ships and ships and ships and ships and ships and ships and ships and ships and "
               "ships and ships sail",
               0,
               "ships and ships and ships and ships and ships and ships and ships and ships and "
               "ships and ships sail",
               18}),
    [](const auto& info) { return std::string(info.param.name); });

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

class SentenceTimes : public ::testing::TestWithParam<std::string> {};

// The chosen speed holds over every sentence, while the words inside it vary in time.
TEST_P(SentenceTimes, MatchThePlainTimingWithinTwoPercent) {
    const std::string raw = fileText(GetParam());
    ASSERT_FALSE(raw.empty()) << GetParam();
    ReadingSettings plain;
    plain.wpm = 300;
    ReadingSettings rhythm = plain;
    rhythm.naturalRhythm = true;
    const Text text = timed(raw, rhythm);
    std::vector<std::size_t> bounds(text.starts.sentences.begin(), text.starts.sentences.end());
    bounds.push_back(text.words.size());
    double shortest = 1e9;
    double longest = 0.0;
    for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
        double plainTime = 0.0;
        double rhythmTime = 0.0;
        for (std::size_t i = bounds[k]; i < bounds[k + 1]; ++i) {
            plainTime += wordTime(text, i, plain);
            const double t = wordTime(text, i, rhythm);
            rhythmTime += t;
            shortest = std::min(shortest, t);
            longest = std::max(longest, t);
        }
        EXPECT_NEAR(rhythmTime, plainTime, plainTime * 0.02) << "sentence from word " << bounds[k];
    }
    EXPECT_GT(longest, shortest * 3);
}

INSTANTIATE_TEST_SUITE_P(Texts, SentenceTimes,
                         ::testing::Values("/usr/share/common-licenses/GPL-3",
                                           std::string(VELORA_TEST_DATA) + "/chapter.txt"));

TEST(NaturalRhythm, AChunkTakesTheSumOfItsWordsAndOffLeavesThePlainTiming) {
    ReadingSettings settings = rhythmOn();
    const Text text =
        timed("A quick brown fox jumped over the extraordinarily lazy dog.", settings);
    const std::span<const Word> chunk = std::span(text.words).subspan(6, 3);
    const ReadingTiming timing(settings, text.shares);
    EXPECT_DOUBLE_EQ(timing.interval(chunk),
                     timing.baseWordInterval() *
                         (text.shares[6] + text.shares[7] + text.shares[8]));
    settings.naturalRhythm = false;
    EXPECT_DOUBLE_EQ(ReadingTiming(settings, text.shares).interval(chunk),
                     ReadingTiming(settings).interval(chunk));
}

} // namespace
} // namespace velora
