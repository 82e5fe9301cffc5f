#include "platform/speech/EspeakWordMap.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct Event {
    int position;
    int length;
    std::optional<Utf16Range> word;
};

struct WordMapCase {
    const char* name;
    QString text;
    std::vector<Event> events;
};

class EspeakWordMapTest : public ::testing::TestWithParam<WordMapCase> {};

TEST_P(EspeakWordMapTest, GivesOutEachWordOnceInOrderAsUtf16Ranges) {
    EspeakWordMap words(GetParam().text);
    for (const Event& event : GetParam().events) {
        EXPECT_EQ(words.take(event.position, event.length), event.word)
            << "event at " << event.position << " length " << event.length;
    }
}

// The events are the ones espeak-ng gives for these texts: the emoji is one code point but two
// UTF-16 units, the number and the CJK word come twice or more, one event falls on a space.
INSTANTIATE_TEST_SUITE_P(Events, EspeakWordMapTest,
                         ::testing::Values(WordMapCase{"Mixed",
                                                       "Hello, wörld 😀 3.14 and 東京 done.",
                                                       {{1, 5, Utf16Range{0, 6}},
                                                        {8, 5, Utf16Range{7, 5}},
                                                        {14, 1, Utf16Range{13, 2}},
                                                        {15, 1, std::nullopt},
                                                        {16, 4, Utf16Range{16, 4}},
                                                        {17, 4, std::nullopt},
                                                        {17, 4, std::nullopt},
                                                        {21, 3, Utf16Range{21, 3}},
                                                        {25, 2, Utf16Range{25, 2}},
                                                        {25, 2, std::nullopt},
                                                        {28, 4, Utf16Range{28, 5}}}},
                                           WordMapCase{"OutOfRangeAndDegenerate",
                                                       " x ",
                                                       {{0, 0, std::nullopt},
                                                        {-5, 3, std::nullopt},
                                                        {99, 1, std::nullopt},
                                                        {2, 0, Utf16Range{1, 1}},
                                                        {2, 1, std::nullopt}}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
