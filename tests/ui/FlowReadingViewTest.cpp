#include "ui/FlowReadingView.hpp"

#include "ViewImages.hpp"
#include "core/TextEngine.hpp"

#include <QCoreApplication>
#include <QScrollBar>
#include <QThreadPool>
#include <gtest/gtest.h>

namespace velora {
namespace {

using testing::blend;
using testing::distance;
using testing::strongest;

const ThemePalette light = palette(ReadingTheme::light, QPalette());
const QColor paper = *light.background;

std::vector<Word> text(int paragraphs) {
    std::string source;
    for (int i = 0; i < paragraphs; ++i) {
        source += "The quick brown fox jumps over the lazy dog while the reader keeps pace with "
                  "every word that passes, line after line, page after page.\n\n";
    }
    return TextEngine::tokenize(source);
}

class FlowReadingViewTest : public ::testing::Test {
protected:
    static std::unique_ptr<FlowReadingView> makeView(ReadingMode mode,
                                                     const std::vector<Word>& words) {
        auto view = std::make_unique<FlowReadingView>();
        view->resize(600, 400);
        view->setThemePalette(light);
        view->setFontSize(36);
        view->setMode(mode);
        view->setWords(std::make_shared<const std::vector<Word>>(words));
        return view;
    }

    static QRect rect(const FlowReadingView& view, std::size_t index) {
        return view.wordBounds(index).value().toAlignedRect();
    }
};

struct ModeCase {
    ReadingMode mode;
    QColor inactive; // drawn at full strength
    double inactiveOpacity;
    QColor active;
    bool band;
};

class FlowReadingViewMode : public FlowReadingViewTest,
                            public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FlowReadingViewMode, ShowsTheChunkAgainstTheFadedPage) {
    const ModeCase& c = GetParam();
    auto view = makeView(c.mode, text(1));
    view->setActiveRange(3, 6);
    testing::finishAnimations(*view);
    const QImage page = testing::render(*view, paper);
    const QColor ruler = blend(light.ruler, FlowReadingView::rulerOpacity, paper);
    const QColor under = c.band ? ruler : paper;

    for (std::size_t active = 3; active < 6; ++active) {
        EXPECT_LT(distance(strongest(page, rect(*view, active), under), c.active), 30) << active;
    }
    for (std::size_t inactive : {0U, 1U, 8U, 12U}) {
        const QColor background =
            rect(*view, inactive).top() == rect(*view, 3).top() ? under : paper;
        EXPECT_LT(distance(strongest(page, rect(*view, inactive), background),
                           blend(c.inactive, c.inactiveOpacity, background)),
                  12)
            << inactive;
    }
    // Left of the text, at the word's middle, only the band shows.
    const QPoint margin(static_cast<int>(FlowReadingView::rulerInset) + 4,
                        rect(*view, 3).center().y());
    EXPECT_EQ(distance(page.pixelColor(margin), ruler) < 6, c.band);
    EXPECT_EQ(view->rulerBounds().has_value(), c.band);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FlowReadingViewMode,
    ::testing::Values(ModeCase{ReadingMode::flow, light.dim, 1.0, light.accent, true},
                      ModeCase{ReadingMode::spotlight, light.text, 0.07, light.text, false}),
    [](const auto& info) { return std::string(toString(info.param.mode)); });

TEST_F(FlowReadingViewTest, StepToTheNextLineGlidesTheBandAndCentresTheWord) {
    auto view = makeView(ReadingMode::flow, text(12));
    const std::size_t start = 150;
    view->setActiveRange(start, start + 1);
    testing::finishAnimations(*view);
    std::size_t next = start + 1;
    while (rect(*view, next).top() == rect(*view, start).top()) {
        ++next;
    }
    view->setActiveRange(next, next + 1);
    testing::advanceAnimations(*view, 90);
    const QRectF midway = *view->rulerBounds();
    testing::finishAnimations(*view);
    const QRect word = rect(*view, next);
    EXPECT_NEAR(word.center().y(), view->viewport()->height() / 2.0, 1.5);
    EXPECT_NEAR(view->rulerBounds()->center().y(), word.center().y(), 1.5);
    EXPECT_NE(midway.center().y(), view->rulerBounds()->center().y());
}

TEST_F(FlowReadingViewTest, ParagraphsStartOnALineOfTheirOwnBelowAGap) {
    const std::vector<Word> words = text(2);
    auto view = makeView(ReadingMode::spotlight, words);
    const std::size_t second = words.size() / 2;
    ASSERT_TRUE(words[second - 1].isParagraphEnd);
    std::size_t wrapped = 1;
    while (rect(*view, wrapped).top() == rect(*view, 0).top()) {
        ++wrapped;
    }
    const int lineStep = rect(*view, wrapped).top() - rect(*view, 0).top();
    EXPECT_EQ(rect(*view, second).left(), static_cast<int>(FlowReadingView::padding));
    EXPECT_GT(rect(*view, second).top() - rect(*view, second - 1).top(),
              lineStep + rect(*view, 0).height() / 2);
}

TEST_F(FlowReadingViewTest, BandFollowsItsWordThroughReflowAndScrolling) {
    auto view = makeView(ReadingMode::flow, text(12));
    view->setActiveRange(250, 251);
    testing::finishAnimations(*view);
    view->resize(420, 400);
    EXPECT_LE(rect(*view, 250).right(), 420);
    EXPECT_NEAR(rect(*view, 250).center().y(), view->viewport()->height() / 2.0, 1.5);
    EXPECT_NEAR(view->rulerBounds()->center().y(), rect(*view, 250).center().y(), 1.5);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() - 50);
    EXPECT_NEAR(view->rulerBounds()->center().y(), rect(*view, 250).center().y(), 1.5);
}

// A Hebrew paragraph with an English name and a year inside, then an English one.
const std::string mixed = "\u05E9\u05DC\u05D5\u05DD \u05DC\u05DB\u05DD, \u05D6\u05D4 "
                          "\u05E1\u05E4\u05E8 \u05DE\u05E9\u05E0\u05EA 2024 \u05E2\u05DC "
                          "New York \u05D5\u05E2\u05DC \u05D4\u05E2\u05D9\u05E8.\n\n"
                          "English follows here.";

TEST_P(FlowReadingViewMode, RightToLeftParagraphReadsFromTheRightWithItsHighlight) {
    const ModeCase& c = GetParam();
    const std::vector<Word> words = TextEngine::tokenize(mixed);
    ASSERT_EQ(words.size(), 14U);
    auto view = makeView(c.mode, words);
    view->resize(900, 400);
    view->setFontSize(20);
    view->setActiveRange(1, 2);
    testing::finishAnimations(*view);
    const int right = view->viewport()->width() - static_cast<int>(FlowReadingView::padding);
    EXPECT_NEAR(view->wordBounds(0)->right(), right, 1.0);
    for (std::size_t i = 1; i < 11; ++i) {
        ASSERT_EQ(rect(*view, i).top(), rect(*view, 0).top()) << "one line";
    }
    EXPECT_LT(rect(*view, 1).right(), rect(*view, 0).left());
    // The year sits between the words around it, and the name reads left to right.
    EXPECT_LT(rect(*view, 5).right(), rect(*view, 4).left());
    EXPECT_GT(rect(*view, 5).left(), rect(*view, 6).right());
    EXPECT_LT(rect(*view, 7).right(), rect(*view, 8).left());
    EXPECT_GT(rect(*view, 7).left(), rect(*view, 9).right());
    EXPECT_EQ(rect(*view, 11).left(), static_cast<int>(FlowReadingView::padding));

    const QImage page = testing::render(*view, paper);
    const QColor band = blend(light.ruler, FlowReadingView::rulerOpacity, paper);
    const QColor under = c.band ? band : paper;
    EXPECT_LT(distance(strongest(page, rect(*view, 1), under), c.active), 30);
    EXPECT_LT(distance(strongest(page, rect(*view, 2), under),
                       blend(c.inactive, c.inactiveOpacity, under)),
              12);
}

// Long enough that the whole page is laid out on the worker, not at once.
std::vector<Word> repeated(const std::string& paragraph) {
    std::string source;
    for (std::size_t length = 0; length < 4 * FlowReadingView::neighbourhood;) {
        source += paragraph + "\n\n";
        length += TextEngine::tokenize(paragraph).size();
    }
    return TextEngine::tokenize(source);
}

void waitUntilLaidOut(FlowReadingView& view) {
    for (int round = 0; round < 100 && !view.isLaidOut(); ++round) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(view.isLaidOut());
}

// Where a word sits on the page, whatever the scrolling.
QRectF onPage(const FlowReadingView& view, std::size_t index) {
    return view.wordBounds(index).value().translated(0, view.verticalScrollBar()->value());
}

class FlowReadingViewLongText : public FlowReadingViewTest,
                                public ::testing::WithParamInterface<std::string> {};

// Every paragraph of a long page, laid out away from the window, lies exactly where a page of
// that one paragraph puts it, the current word's included.
TEST_P(FlowReadingViewLongText, WholePageMatchesTheParagraphsLaidOutAtOnce) {
    const std::vector<Word> paragraph = TextEngine::tokenize(GetParam());
    const std::size_t length = paragraph.size();
    const std::vector<Word> words = repeated(GetParam());
    const std::size_t current = words.size() / 2 / length * length + 3;
    auto view = makeView(ReadingMode::flow, words);
    view->setActiveRange(current, current + 1);
    waitUntilLaidOut(*view);
    auto plain = makeView(ReadingMode::flow, paragraph);
    auto reading = makeView(ReadingMode::flow, paragraph);
    reading->setActiveRange(3, 4);

    const qreal pitch = onPage(*view, length).top() - onPage(*view, 0).top();
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t copy = i / length;
        const FlowReadingView& alone = copy == current / length ? *reading : *plain;
        const QRectF expected =
            onPage(alone, i % length).translated(0, pitch * static_cast<qreal>(copy));
        const QRectF actual = onPage(*view, i);
        ASSERT_FLOAT_EQ(actual.left(), expected.left()) << "word " << i;
        ASSERT_NEAR(actual.top(), expected.top(), 1e-6) << "word " << i;
        ASSERT_EQ(actual.size(), expected.size()) << "word " << i;
    }
    EXPECT_NEAR(view->wordBounds(current)->center().y(), view->viewport()->height() / 2.0, 1.5);
}

// The current word's surroundings show before the worker answers, and where they stay after.
TEST_P(FlowReadingViewLongText, NeighbourhoodShowsAtOnceWhereTheWholePageKeepsIt) {
    const std::vector<Word> words = repeated(GetParam());
    const std::size_t current = words.size() * 2 / 3;
    auto view = makeView(ReadingMode::spotlight, words);
    view->setActiveRange(current, current + 2);
    ASSERT_FALSE(view->isLaidOut());
    EXPECT_FALSE(view->wordBounds(0));
    EXPECT_NEAR(view->wordBounds(current)->center().y(), view->viewport()->height() / 2.0, 1.5);
    std::vector<QPointF> around;
    for (std::size_t i = current - 200; i < current + 200; ++i) {
        around.push_back(onPage(*view, i).topLeft() - onPage(*view, current).topLeft());
    }
    waitUntilLaidOut(*view);
    for (std::size_t i = current - 200; i < current + 200; ++i) {
        ASSERT_EQ(onPage(*view, i).topLeft() - onPage(*view, current).topLeft(),
                  around[i - (current - 200)])
            << "word " << i;
    }
    EXPECT_NEAR(view->wordBounds(current)->center().y(), view->viewport()->height() / 2.0, 1.5);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, FlowReadingViewLongText,
    ::testing::Values("The quick brown fox jumps over the lazy dog while the reader keeps pace "
                      "with every word that passes, line after line, page after page.",
                      mixed));

TEST_F(FlowReadingViewTest, NewerTextWinsOverOneStillBeingLaidOut) {
    const std::vector<Word> older = repeated("a bb a bb a bb a bb a bb a bb a bb.");
    const std::vector<Word> newer = repeated("wonderful wanderings without warning.");
    auto view = makeView(ReadingMode::flow, older);
    view->setWords(std::make_shared<const std::vector<Word>>(newer));
    waitUntilLaidOut(*view);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    auto alone = makeView(ReadingMode::flow, TextEngine::tokenize("wonderful"));
    ASSERT_EQ(view->wordCount(), newer.size());
    EXPECT_EQ(view->wordBounds(newer.size() - 4)->size(), alone->wordBounds(0)->size());
    EXPECT_FALSE(view->wordBounds(newer.size()));
}

} // namespace
} // namespace velora
