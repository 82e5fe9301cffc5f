#include "ReaderViewFixture.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/SentenceStrip.hpp"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

using testing::ReaderViewTest;
using Seconds = Scheduler::Seconds;

TEST_F(ReaderViewTest, EscapeClosesOverlaysThenLeavesFullScreenThenHides) {
    ReaderView& reader = view();
    QSignalSpy hidden(&reader, &ReaderView::closeRequested);
    reader.setFullScreen(true);
    reader.cards().setShown(ReaderCard::library, true);
    reader.cards().setShown(ReaderCard::settings, true);

    reader.handleEscape();
    testing::finishAnimations(reader);
    EXPECT_FALSE(reader.cards().library().isVisibleTo(&reader));
    EXPECT_FALSE(reader.cards().settings().isVisibleTo(&reader));
    EXPECT_TRUE(reader.isFullScreen());
    EXPECT_EQ(hidden.count(), 0);

    reader.handleEscape();
    EXPECT_FALSE(reader.isFullScreen());
    EXPECT_EQ(hidden.count(), 0);

    reader.handleEscape();
    EXPECT_EQ(hidden.count(), 1);
}

// One card at a time: opening a card puts the open one away and takes the focus with it.
TEST_F(ReaderViewTest, OpeningACardPutsTheOpenOneAway) {
    ReaderView& reader = activeView();
    ReaderCards& cards = reader.cards();
    for (const auto& [first, second] : {std::pair{ReaderCard::settings, ReaderCard::library},
                                        std::pair{ReaderCard::library, ReaderCard::keys},
                                        std::pair{ReaderCard::keys, ReaderCard::settings}}) {
        cards.setShown(first, true);
        testing::finishAnimations(reader);
        ASSERT_TRUE(card(reader, first).isAncestorOf(QApplication::focusWidget()));
        cards.setShown(second, true);
        testing::finishAnimations(reader);
        EXPECT_EQ(cards.open(), second);
        EXPECT_FALSE(card(reader, first).isVisibleTo(&reader));
        EXPECT_TRUE(card(reader, second).isVisibleTo(&reader));
        EXPECT_TRUE(card(reader, second).isAncestorOf(QApplication::focusWidget()));

        cards.setShown(first, false);
        EXPECT_EQ(cards.open(), second) << "closing a card that is not open changes nothing";
        reader.handleEscape();
        testing::finishAnimations(reader);
        EXPECT_EQ(cards.open(), std::nullopt);
        EXPECT_TRUE(reader.hasFocus());
    }
}

TEST_F(ReaderViewTest, KeysWorkWhileTheViewIsActive) {
    ReaderView& reader = activeView();
    QTest::keyClick(&reader, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(reader.isFullScreen());
    QTest::keyClick(&reader, Qt::Key_Escape);
    EXPECT_FALSE(reader.isFullScreen());
    QTest::keyClick(&reader, Qt::Key_Space);
    EXPECT_TRUE(vm_->isPlaying());
    QTest::keyClick(&reader, Qt::Key_Space);

    // The welcome text: one paragraph whose second and third sentences start at words 3 and 22.
    std::vector<std::int64_t> visited;
    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(&reader, key, Qt::ControlModifier);
        visited.push_back(vm_->engine().index());
    }
    EXPECT_EQ(visited, (std::vector<std::int64_t>{3, 22, 3, vm_->engine().count(), 0}));
}

TEST_F(ReaderViewTest, PausedFocusShowsTheSentenceWhereAClickMovesTheReader) {
    ReaderView& reader = activeView();
    // Room for the whole sentence under the line.
    reader.resize(900, 900);
    auto* focus = reader.readingArea().findChild<FocusReaderView*>();
    ASSERT_NE(focus, nullptr);
    SentenceStrip& strip = focus->context();
    // Word 5 of the welcome text lies in its second sentence, words 3 to 21.
    vm_->goTo(5);
    testing::finishAnimations(reader);
    EXPECT_TRUE(strip.isVisibleTo(focus));
    EXPECT_TRUE(strip.wordBounds(3) && strip.wordBounds(21));
    EXPECT_FALSE(strip.wordBounds(2) || strip.wordBounds(22));

    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.wordBounds(8)->center().toPoint());
    EXPECT_EQ(vm_->engine().index(), 8);
    vm_->play();
    testing::finishAnimations(reader);
    EXPECT_FALSE(strip.isVisibleTo(focus));
}

TEST_F(ReaderViewTest, ChromeHidesAfterThePointerRestsInFullScreen) {
    ReaderView& reader = activeView();
    reader.setFullScreen(true);
    EXPECT_TRUE(chromeShown(reader));

    clock_.advance(Seconds{2.0});
    hover(reader);
    clock_.advance(Seconds{2.4});
    EXPECT_TRUE(chromeShown(reader)) << "movement restarts the wait";
    clock_.advance(Seconds{0.2});
    EXPECT_TRUE(chromeShown(reader)) << "fading out";
    testing::finishAnimations(reader);
    EXPECT_FALSE(chromeShown(reader));

    // A real pointer movement over the reading area, not only over the view itself.
    QTest::mouseMove(&reader.readingArea(), QPoint(40, 40));
    QTest::mouseMove(&reader.readingArea(), QPoint(60, 50));
    EXPECT_TRUE(chromeShown(reader));

    // Movement during the fade out turns it back; the old fade does not hide it at its end.
    clock_.advance(Seconds{2.5});
    testing::advanceAnimations(reader, 100);
    hover(reader);
    testing::finishAnimations(reader);
    EXPECT_TRUE(chromeShown(reader));
}

TEST_F(ReaderViewTest, EmptyStateNamesTheConfiguredShortcut) {
    ReaderView& reader = view();
    vm_->load("   ", ReaderViewModel::LoadSource::text());
    ASSERT_TRUE(waitForLoad());
    reader.setShortcutDisplay(QStringLiteral("Ctrl+Alt+S"));
    const auto labels = reader.readingArea().currentWidget()->findChildren<QLabel*>();
    EXPECT_TRUE(std::ranges::any_of(labels, [](QLabel* l) {
        return l->text() == QStringLiteral("PDF · ePub · Markdown · or Ctrl+Alt+S anywhere");
    }));
}

TEST_F(ReaderViewTest, DropLoadsTheFirstLocalFileOnly) {
    ReaderView& reader = view();
    const auto first = writeFile("first.txt", "First file words here.");
    const auto second = writeFile("second.txt", "Second file words.");
    EXPECT_TRUE(drop(reader, {QUrl("https://example.org/page.txt"),
                              QUrl::fromLocalFile(QString::fromStdString(first)),
                              QUrl::fromLocalFile(QString::fromStdString(second))}));
    EXPECT_FALSE(reader.isDropTargeted());
    ASSERT_TRUE(waitForLoad());
    EXPECT_EQ(vm_->engine().words().front().text, "First");
    EXPECT_FALSE(vm_->isPlaying()) << "a dropped file does not start by itself";

    EXPECT_FALSE(drop(reader, {QUrl("https://example.org/")}));
    EXPECT_FALSE(reader.isDropTargeted());
}

TEST_F(ReaderViewTest, UnreadableFileShowsItsNameAndKeepsTheDocument) {
    ReaderView& reader = view();
    const std::vector<Word> before = vm_->engine().words();
    reader.load(dataHome_.filePath("gone.txt").toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(reader.statusLine().text(),
                              QString("Couldn't read gone.txt: there is no such file"), 10000);
    EXPECT_EQ(vm_->engine().words(), before);

    vm_->play();
    EXPECT_TRUE(reader.statusLine().text().isEmpty()) << "play clears the message";
}

TEST_F(ReaderViewTest, SettingsEditedAnywhereShowEverywhereAtOnce) {
    ReaderView& reader = view();
    HotKeySetting shortcut(preferences_);
    SettingsView window(*speech_, shortcut);
    bind(window, *vm_);

    reader.controlBar().chunkStepper().stepUp();
    EXPECT_EQ(window.controls().chunk->text(), "Words at a time: 2");

    window.controls().speed->setValue(window.controls().speed->minimum());
    EXPECT_EQ(vm_->settings().wpm, 25);
    EXPECT_EQ(reader.controlBar().rateLabel().text(), "25 WPM");

    reader.cards().settings().swatches().swatch(ReadingTheme::night)->click();
    EXPECT_EQ(vm_->settings().theme, ReadingTheme::night);
    EXPECT_EQ(window.controls().theme->currentText(), "Night");
    EXPECT_EQ(vm_->settings().wordsPerChunk, 2) << "each edit changes only its own field";
    const QImage image = testing::render(reader, Qt::magenta);
    EXPECT_EQ(image.pixelColor(2, image.height() / 2).rgb(),
              palette(ReadingTheme::night, QPalette()).background->rgb());
}

} // namespace
} // namespace velora
