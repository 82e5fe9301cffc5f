#include "ui/FocusReaderView.hpp"

#include "ViewImages.hpp"
#include "ui/ReaderFonts.hpp"
#include "ui/SentenceStrip.hpp"

#include <QFontInfo>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace velora {
namespace {

using testing::areaOf;
using testing::blend;
using testing::distance;
using testing::ink;
using testing::strongest;
using testing::word;

const ThemePalette dark = palette(ReadingTheme::dark, QPalette());

class FocusReaderViewTest : public ::testing::Test {
protected:
    static std::unique_ptr<FocusReaderView> makeView(bool highlight, WordTransition transition,
                                                     QSize size = {700, 300}) {
        auto view = std::make_unique<FocusReaderView>();
        view->resize(size);
        view->setThemePalette(dark);
        ReadingSettings settings;
        settings.highlightPivot = highlight;
        settings.transition = transition;
        view->setSettings(settings);
        return view;
    }

    static QImage show(FocusReaderView& view, const std::vector<Word>& chunk) {
        view.setChunk(chunk);
        return testing::render(view, *dark.background);
    }

    static QColor tickColor() {
        return blend(dark.pivot, FocusReaderView::tickOpacity, *dark.background);
    }

    // The tick marks sit on the centre column, above and below the word.
    static QColor tickPixel(const QImage& image) {
        return image.pixelColor(image.width() / 2, ink(image, *dark.background, 4).top() + 2);
    }
};

TEST_F(FocusReaderViewTest, PivotLetterStaysOnTheCentreFromOneLetterToFifteen) {
    auto view = makeView(true, WordTransition::hard);
    const QRect one = areaOf(show(*view, {word(0, "a", 0)}), dark.pivot);
    const QRect fifteen = areaOf(show(*view, {word(1, "internationally", 4)}), dark.pivot);
    ASSERT_FALSE(one.isEmpty() || fifteen.isEmpty());
    const double centreOne = (one.left() + one.right()) / 2.0;
    const double centreFifteen = (fifteen.left() + fifteen.right()) / 2.0;
    EXPECT_NEAR(centreOne, view->width() / 2.0, 1.5);
    EXPECT_NEAR(centreFifteen, centreOne, 1.5);
    EXPECT_LT(distance(tickPixel(show(*view, {word(2, "reading", 2)})), tickColor()), 24);
}

struct Unhighlighted {
    const char* name;
    bool highlight;
    std::vector<Word> chunk;
};

class FocusReaderViewPlain : public FocusReaderViewTest,
                             public ::testing::WithParamInterface<Unhighlighted> {};

TEST_P(FocusReaderViewPlain, DrawsEveryLetterInTheTextColourAndHidesTheTicks) {
    auto view = makeView(GetParam().highlight, WordTransition::hard);
    const QImage image = show(*view, GetParam().chunk);
    EXPECT_TRUE(areaOf(image, dark.pivot).isEmpty());
    EXPECT_FALSE(areaOf(image, dark.text).isEmpty());
    // Nothing drawn above the letters: the ticks keep their place but are transparent.
    const QRect text = ink(image, *dark.background);
    EXPECT_GT(text.top(), image.height() / 2 - 60);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusReaderViewPlain,
    ::testing::Values(
        Unhighlighted{"TwoWordsWithHighlightOn", true, {word(0, "two", 1), word(1, "words", 1)}},
        Unhighlighted{"OneWordWithHighlightOff", false, {word(0, "reading", 2)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FocusReaderViewTest, EmptyChunkShowsReadyDimmedAtSixtyPercent) {
    for (bool highlight : {true, false}) {
        auto view = makeView(highlight, WordTransition::hard);
        const QImage ready = show(*view, {});
        EXPECT_FALSE(areaOf(ready, dark.dim).isEmpty()) << highlight;
        EXPECT_TRUE(areaOf(ready, dark.text).isEmpty()) << highlight;
        EXPECT_EQ(distance(tickPixel(ready), tickColor()) < 24, highlight);
        // Letters of the same face at 60% of the size.
        const QRect word = ink(show(*view, {testing::word(0, "Ready", 0)}), *dark.background);
        const QRect placeholder = ink(ready, *dark.background);
        EXPECT_NEAR(placeholder.width(), word.width() * 0.6, word.width() * 0.1) << highlight;
    }
}

TEST_F(FocusReaderViewTest, LongWordShrinksOnOneLineAndKeepsThePivotCentred) {
    auto view = makeView(true, WordTransition::hard, {420, 300});
    const QRect normal = areaOf(show(*view, {word(0, "word", 1)}), dark.text, 200);
    const QImage image = show(*view, {word(1, "incomprehensibilities", 6)});
    const QRect shrunk = areaOf(image, dark.text, 200);
    EXPECT_LT(shrunk.height(), normal.height());
    EXPECT_GT(shrunk.left(), 0);
    EXPECT_LT(shrunk.right(), view->width() - 1);
    const QRect pivot = areaOf(image, dark.pivot);
    ASSERT_FALSE(pivot.isEmpty());
    EXPECT_NEAR((pivot.left() + pivot.right()) / 2.0, view->width() / 2.0, 1.5);
}

// On screen only the changed part is repainted; what shows must still be the whole new frame.
TEST_F(FocusReaderViewTest, WindowRepaintsMatchAFullDrawing) {
    auto view = makeView(true, WordTransition::hard);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    for (const std::vector<Word>& chunk : {std::vector{word(1, "internationally", 4)},
                                           std::vector<Word>{}, std::vector{word(4, "w", 0)}}) {
        view->setChunk(chunk);
        QCoreApplication::processEvents();
        const QImage onScreen = view->screen()
                                    ->grabWindow(view->winId())
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
        auto fresh = makeView(true, WordTransition::hard);
        EXPECT_EQ(onScreen, show(*fresh, chunk)) << chunk.size();
    }
}

TEST_F(FocusReaderViewTest, PausedContextMarksTheWordAndAClickChoosesOne) {
    auto view = makeView(true, WordTransition::soft);
    const std::vector<Word> sentence{word(4, "Words", 2), word(5, "flash", 2), word(6, "by.", 1)};
    view->setChunk(std::span(sentence).subspan(1, 1));
    view->showContext(sentence, 5);
    testing::finishAnimations(*view);
    SentenceStrip& strip = view->context();
    ASSERT_TRUE(strip.isVisibleTo(view.get()));
    const QImage image = testing::render(*view, *dark.background);
    const QRect marked = strip.wordBounds(5)->toAlignedRect().translated(strip.pos());
    EXPECT_LT(distance(strongest(image, marked, *dark.background), dark.accent), 40);
    EXPECT_GT(strip.geometry().top(), areaOf(image, dark.pivot).bottom());

    QSignalSpy chosen(&strip, &SentenceStrip::wordChosen);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.wordBounds(6)->center().toPoint());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toLongLong(), 6);

    view->showContext({}, 0);
    testing::finishAnimations(*view);
    EXPECT_FALSE(strip.isVisibleTo(view.get()));
}

// A long sentence shows the words nearest the current one, as many as the room below the line
// holds, and never loses the current word.
TEST_F(FocusReaderViewTest, ALongSentenceShowsTheWordsAroundTheCurrentOne) {
    std::vector<Word> sentence;
    for (std::int64_t i = 0; i < 100; ++i) {
        sentence.push_back(word(i, "word" + std::to_string(i), 1));
    }
    constexpr auto around = static_cast<std::int64_t>(SentenceStrip::wordsAround);
    auto tall = makeView(true, WordTransition::hard, {700, 900});
    tall->showContext(sentence, 50);
    const SentenceStrip& all = tall->context();
    EXPECT_TRUE(all.wordBounds(50 - around) && all.wordBounds(50 + around));
    EXPECT_FALSE(all.wordBounds(50 - around - 1) || all.wordBounds(50 + around + 1));

    auto low = makeView(true, WordTransition::hard, {700, 200});
    low->showContext(sentence, 50);
    const SentenceStrip& some = low->context();
    EXPECT_TRUE(some.wordBounds(50));
    EXPECT_FALSE(some.wordBounds(50 - around) || some.wordBounds(50 + around));
    EXPECT_LE(some.geometry().bottom(), low->height());
}

// The word size and the screen's density: below and above the size whose glyphs the view copies
// from pictures.
struct Screen {
    qreal fontSize;
    qreal ratio;
};

class FocusReaderViewTransition
    : public FocusReaderViewTest,
      public ::testing::WithParamInterface<std::tuple<WordTransition, Screen>> {
protected:
    static QImage frame(FocusReaderView& view) {
        return testing::render(view, *dark.background, std::get<1>(GetParam()).ratio);
    }
};

TEST_P(FocusReaderViewTransition, EndsShowingOnlyTheNewChunk) {
    const auto [transition, screen] = GetParam();
    auto view = makeView(true, transition);
    auto fresh = makeView(true, transition);
    view->setFontSize(screen.fontSize);
    fresh->setFontSize(screen.fontSize);
    view->setChunk(std::vector{word(0, "first", 2)});
    testing::finishAnimations(*view);
    view->setChunk(std::vector{word(1, "second", 2)});
    const QImage next = frame(*view);
    fresh->setChunk(std::vector{word(1, "second", 2)});
    testing::finishAnimations(*fresh);
    const QImage rest = frame(*fresh);
    if (transition == WordTransition::hard) {
        EXPECT_EQ(next, rest);
        return;
    }
    // Halfway both words are partly there; at the end only the new one, fully, to the pixel.
    testing::advanceAnimations(*view, static_cast<int>(duration(transition) * 500));
    const QImage halfway = frame(*view);
    EXPECT_TRUE(areaOf(halfway, dark.pivot, 8).isEmpty());
    EXPECT_NE(halfway, rest);
    testing::finishAnimations(*view);
    EXPECT_EQ(frame(*view), rest);
}

INSTANTIATE_TEST_SUITE_P(All, FocusReaderViewTransition,
                         ::testing::Combine(::testing::ValuesIn(allWordTransitions),
                                            ::testing::Values(Screen{52, 1}, Screen{100, 1},
                                                              Screen{60, 2})),
                         [](const auto& info) {
                             const Screen screen = std::get<1>(info.param);
                             return std::string(toString(std::get<0>(info.param))) + "At" +
                                    std::to_string(static_cast<int>(screen.fontSize)) + "Times" +
                                    std::to_string(static_cast<int>(screen.ratio));
                         });

struct ChangeCase {
    const char* name;
    std::function<void(FocusReaderView&)> change;
};

class FocusReaderViewChange : public FocusReaderViewTest,
                              public ::testing::WithParamInterface<ChangeCase> {
protected:
    void TearDown() override { ReaderFonts::setReadingFamily({}); }

    static std::unique_ptr<FocusReaderView> largeView() {
        auto view = makeView(true, WordTransition::slow);
        view->setFontSize(100);
        return view;
    }
};

// What was drawn for the old look, mid-transition and at rest, never shows after a change.
TEST_P(FocusReaderViewChange, DrawsAsAViewMadeWithTheChange) {
    auto view = largeView();
    view->setChunk(std::vector{word(0, "first", 2)});
    testing::advanceAnimations(*view, 100);
    testing::render(*view, *dark.background);
    testing::finishAnimations(*view);
    testing::render(*view, *dark.background);
    GetParam().change(*view);
    view->setChunk(std::vector{word(1, "second", 2)});
    testing::advanceAnimations(*view, 100);
    testing::render(*view, *dark.background);
    testing::finishAnimations(*view);

    auto fresh = largeView();
    GetParam().change(*fresh);
    fresh->setChunk(std::vector{word(1, "second", 2)});
    testing::finishAnimations(*fresh);
    EXPECT_EQ(testing::render(*view, *dark.background), testing::render(*fresh, *dark.background));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FocusReaderViewChange,
    ::testing::Values(ChangeCase{"Theme",
                                 [](FocusReaderView& view) {
                                     view.setThemePalette(palette(ReadingTheme::sepia, QPalette()));
                                 }},
                      ChangeCase{"FontSize", [](FocusReaderView& view) { view.setFontSize(120); }},
                      ChangeCase{"ReadingFont",
                                 [](FocusReaderView& view) {
                                     ReaderFonts::setReadingFamily("DejaVu Serif");
                                     ReadingSettings settings;
                                     settings.transition = WordTransition::slow;
                                     settings.readingFont = "DejaVu Serif";
                                     view.setSettings(settings);
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// The blank beat empties the word area but keeps the marks, and the word it hid does not come
// back to fade out when the next one arrives.
TEST_F(FocusReaderViewTest, BlankBeatKeepsTheMarksAndHidesTheWord) {
    auto view = makeView(true, WordTransition::soft);
    show(*view, {word(0, "reading", 2)});
    testing::finishAnimations(*view);
    view->setBlank(true);
    const QImage blank = testing::render(*view, *dark.background);
    EXPECT_TRUE(areaOf(blank, dark.pivot).isEmpty());
    EXPECT_TRUE(areaOf(blank, dark.text).isEmpty());
    EXPECT_LT(distance(tickPixel(blank), tickColor()), 24);

    const QImage arriving = show(*view, {word(1, "onwards", 2)});
    EXPECT_TRUE(areaOf(arriving, dark.pivot, 8).isEmpty());
    testing::finishAnimations(*view);
    EXPECT_FALSE(areaOf(testing::render(*view, *dark.background), dark.pivot).isEmpty());
}

class FocusReaderViewFont : public FocusReaderViewTest,
                            public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override { ReaderFonts::setReadingFamily({}); }
};

// Whatever the reading font, monospaced or not, the pivot letter sits on the centre column.
TEST_P(FocusReaderViewFont, KeepsThePivotOnTheCentre) {
    auto view = makeView(true, WordTransition::hard);
    ReaderFonts::setReadingFamily(GetParam());
    ReadingSettings settings;
    settings.transition = WordTransition::hard;
    settings.readingFont = GetParam();
    view->setSettings(settings);
    for (const Word& shown :
         {word(0, "reading", 2), word(1, "unconditional", 6), word(2, "Wimbledon", 3)}) {
        const QImage image = show(*view, {shown});
        const QRect pivot = areaOf(image, dark.pivot);
        ASSERT_FALSE(pivot.isEmpty()) << shown.text;
        EXPECT_NEAR((pivot.left() + pivot.right() + 1) / 2.0, view->width() / 2.0, 1.0)
            << GetParam() << " " << shown.text;
        if (const QByteArray folder = qgetenv("VELORA_PICTURES"); !folder.isEmpty()) {
            image.save(QString("%1/focus-%2-%3.png")
                           .arg(folder, QString(GetParam()).remove(' '),
                                QString::fromStdString(shown.text)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, FocusReaderViewFont,
                         ::testing::Values("", "OpenDyslexic", "DejaVu Serif", "DejaVu Sans Mono"),
                         [](const auto& info) {
                             const QString name = QString(info.param).remove(' ');
                             return name.isEmpty() ? std::string("Default") : name.toStdString();
                         });

TEST(ReaderFonts, TheReadingFamilyLeadsTheWordAndPageFonts) {
    EXPECT_TRUE(ReaderFonts::setReadingFamily("OpenDyslexic"));
    EXPECT_FALSE(ReaderFonts::setReadingFamily("OpenDyslexic"));
    EXPECT_EQ(ReaderFonts::focusWord(40).families().front(), "OpenDyslexic");
    EXPECT_EQ(ReaderFonts::page(20, false).families().front(), "OpenDyslexic");
    EXPECT_EQ(QFontInfo(ReaderFonts::focusWord(40)).family(), "OpenDyslexic");
    EXPECT_TRUE(ReaderFonts::setReadingFamily({}));
    EXPECT_NE(ReaderFonts::focusWord(40).families().front(), "OpenDyslexic");
}

} // namespace
} // namespace velora
