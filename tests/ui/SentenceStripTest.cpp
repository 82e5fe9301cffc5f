#include "ui/SentenceStrip.hpp"

#include "ViewImages.hpp"
#include "core/TextEngine.hpp"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

const ThemePalette dark = palette(ReadingTheme::dark, QPalette());

struct StripCase {
    const char* name;
    std::string sentence;
    bool rightToLeft;
};

class SentenceStripDirection : public ::testing::TestWithParam<StripCase> {};

// The sentence reads from its own side; the mark and a click follow the words where they show.
TEST_P(SentenceStripDirection, FirstWordLiesAtTheStartSideAndAClickOnItChoosesIt) {
    const StripCase& c = GetParam();
    const std::vector<Word> words = TextEngine::tokenize(c.sentence);
    ASSERT_GE(words.size(), 4U);
    SentenceStrip strip;
    strip.setThemePalette(dark);
    strip.setFontSize(60);
    const std::int64_t current = words[2].id;
    strip.setSentence(words, current);
    strip.resize(700, strip.fit(700, 400));
    const QRectF first = *strip.wordBounds(words.front().id);
    for (const Word& word : words) {
        const QRectF bounds = *strip.wordBounds(word.id);
        ASSERT_EQ(bounds.top(), first.top()) << "one line";
        if (word.id != words.front().id) {
            EXPECT_EQ(c.rightToLeft ? bounds.right() < first.left() : bounds.left() > first.right(),
                      true)
                << word.text;
        }
    }

    const QImage image = testing::render(strip, *dark.background);
    const QRect marked = strip.wordBounds(current)->toAlignedRect();
    EXPECT_LT(testing::distance(testing::strongest(image, marked, *dark.background), dark.accent),
              40);
    EXPECT_TRUE(marked.contains(testing::areaOf(image, dark.accent, 40)));

    QSignalSpy chosen(&strip, &SentenceStrip::wordChosen);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, first.center().toPoint());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().toLongLong(), words.front().id);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SentenceStripDirection,
    ::testing::Values(StripCase{"English", "Words flash by on the line.", false},
                      StripCase{"Hebrew",
                                "\u05D6\u05D4\u05D5 \u05E1\u05E4\u05E8 \u05D8\u05D5\u05D1 "
                                "\u05DE\u05D0\u05D5\u05D3.",
                                true},
                      StripCase{"Arabic",
                                "\u0645\u0631\u062D\u0628\u0627 \u0628\u0643\u0645 \u0641\u064A "
                                "\u0627\u0644\u0643\u062A\u0627\u0628.",
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
