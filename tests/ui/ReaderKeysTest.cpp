#include "ReaderViewFixture.hpp"
#include "ui/KeysCard.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

using testing::ReaderViewTest;

std::string numberedWords(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "word" + std::to_string(i) + ' ';
    }
    return text;
}

// What a key did to a reader paused at word 20 of 100, at 300 WPM.
enum class Effect {
    position,
    speed,
    playing,
    library,
    keysCard,
    fullScreen,
    settingsWindow,
    quit,
    clipboardRead
};

struct KeyCase {
    const char* name;
    QKeyCombination key;
    Effect effect;
    std::int64_t expected = 0;
};

class ReaderKeys : public ReaderViewTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    ReaderView& pausedReader() {
        vm_->load(numberedWords(100), ReaderViewModel::LoadSource::text());
        vm_->step(20);
        return activeView();
    }
};

TEST_P(ReaderKeys, ActWhereverFocusIsNot) {
    const KeyCase& c = GetParam();
    ReaderView& reader = pausedReader();
    pasteboard_.setData("Copied words", fakes::FakePasteboard::plainText);
    QSignalSpy settingsWindow(&reader, &ReaderView::settingsWindowRequested);
    QSignalSpy quit(&reader, &ReaderView::quitRequested);
    // Focus on a header button: the keys act all the same.
    for (QWidget* target : std::initializer_list<QWidget*>{&reader, &reader.fullScreenButton()}) {
        if (target != &reader && c.key == QKeyCombination(Qt::Key_Space)) {
            continue; // Space clicks a focused button instead, as a button should.
        }
        SCOPED_TRACE(target->objectName().toStdString());
        vm_->restart();
        vm_->step(20);
        ReadingSettings settings = vm_->settings();
        settings.wpm = 300;
        vm_->setSettings(settings);
        reader.setFullScreen(false);
        reader.handleEscape();
        testing::finishAnimations(reader);
        target->setFocus(Qt::TabFocusReason);
        settingsWindow.clear();
        quit.clear();

        QTest::keyClick(target, c.key.key(), c.key.keyboardModifiers());
        switch (c.effect) {
        case Effect::position:
            EXPECT_EQ(vm_->engine().index(), c.expected);
            EXPECT_FALSE(vm_->isPlaying());
            break;
        case Effect::speed:
            EXPECT_EQ(vm_->settings().wpm, c.expected);
            EXPECT_EQ(vm_->engine().index(), 20);
            break;
        case Effect::playing:
            EXPECT_TRUE(vm_->isPlaying());
            vm_->pause();
            break;
        case Effect::library:
            EXPECT_TRUE(reader.cards().isOpen(ReaderCard::library));
            break;
        case Effect::keysCard:
            EXPECT_TRUE(reader.cards().isOpen(ReaderCard::keys));
            break;
        case Effect::fullScreen:
            EXPECT_TRUE(reader.isFullScreen());
            break;
        case Effect::settingsWindow:
            EXPECT_EQ(settingsWindow.count(), 1);
            break;
        case Effect::quit:
            EXPECT_EQ(quit.count(), 1);
            break;
        case Effect::clipboardRead:
            // The clipboard's text loads off the main thread.
            EXPECT_TRUE(QTest::qWaitFor([this] { return vm_->engine().count() == 2; }, 5000));
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderKeys,
    ::testing::Values(KeyCase{"Space", Qt::Key_Space, Effect::playing},
                      KeyCase{"Left", Qt::Key_Left, Effect::position, 19},
                      KeyCase{"Right", Qt::Key_Right, Effect::position, 21},
                      KeyCase{"ShiftLeft", Qt::SHIFT | Qt::Key_Left, Effect::position, 10},
                      KeyCase{"ShiftRight", Qt::SHIFT | Qt::Key_Right, Effect::position, 30},
                      KeyCase{"Home", Qt::Key_Home, Effect::position, 0},
                      KeyCase{"End", Qt::Key_End, Effect::position, 99},
                      KeyCase{"Up", Qt::Key_Up, Effect::speed, 325},
                      KeyCase{"Down", Qt::Key_Down, Effect::speed, 275},
                      KeyCase{"CtrlL", Qt::CTRL | Qt::Key_L, Effect::library},
                      KeyCase{"F1", Qt::Key_F1, Effect::keysCard},
                      KeyCase{"F11", Qt::Key_F11, Effect::fullScreen},
                      KeyCase{"CtrlF", Qt::CTRL | Qt::Key_F, Effect::fullScreen},
                      KeyCase{"CtrlComma", Qt::CTRL | Qt::Key_Comma, Effect::settingsWindow},
                      KeyCase{"CtrlQ", Qt::CTRL | Qt::Key_Q, Effect::quit},
                      KeyCase{"CtrlV", Qt::CTRL | Qt::Key_V, Effect::clipboardRead}),
    [](const auto& info) { return std::string(info.param.name); });

// The speed keys stop at the ends of the range instead of storing a speed outside it.
TEST_F(ReaderViewTest, SpeedKeysStopAtTheEnds) {
    ReaderView& reader = activeView();
    ReadingSettings fast = vm_->settings();
    fast.wpm = 1190;
    vm_->setSettings(fast);
    QTest::keyClick(&reader, Qt::Key_Up);
    EXPECT_EQ(vm_->settings().wpm, 1200);
    QTest::keyClick(&reader, Qt::Key_Up);
    EXPECT_EQ(vm_->settings().wpm, 1200);
}

// A control that uses a key keeps it: Space toggles a focused box, Up steps the focused chunk
// size, an arrow moves the focused scrubber; the reader neither plays nor steps.
TEST_F(ReaderViewTest, FocusedControlsKeepTheirOwnKeys) {
    vm_->load(numberedWords(100), ReaderViewModel::LoadSource::text());
    vm_->step(20);
    ReaderView& reader = activeView();

    reader.controlBar().chunkStepper().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&reader.controlBar().chunkStepper(), Qt::Key_Up);
    EXPECT_EQ(vm_->settings().wordsPerChunk, 2);
    EXPECT_EQ(vm_->settings().wpm, 300);

    QSlider& scrubber = reader.controlBar().scrubber();
    scrubber.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&scrubber, Qt::Key_End);
    EXPECT_EQ(vm_->engine().index(), 100) << "the scrubber's end, past the last word";

    reader.cards().setShown(ReaderCard::settings, true);
    testing::finishAnimations(reader);
    QCheckBox& pivot = *reader.cards().settings().controls().pivot;
    pivot.setFocus(Qt::TabFocusReason);
    const bool highlighted = vm_->settings().highlightPivot;
    QTest::keyClick(&pivot, Qt::Key_Space);
    EXPECT_NE(vm_->settings().highlightPivot, highlighted);
    QAbstractButton& night = *reader.cards().settings().swatches().swatch(ReadingTheme::night);
    night.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&night, Qt::Key_Space);
    EXPECT_EQ(vm_->settings().theme, ReadingTheme::night);
    EXPECT_FALSE(vm_->isPlaying());
}

TEST_F(ReaderViewTest, KeysCardListsEveryKeyOfTheTable) {
    ReaderView& reader = view();
    const QList<QLabel*> labels = reader.cards().keys().findChildren<QLabel*>();
    for (const KeyTable::Binding& binding : reader.keys().bindings()) {
        const QString keys = KeyTable::keysText(binding);
        EXPECT_TRUE(std::ranges::any_of(labels, [&](QLabel* l) { return l->text() == keys; }))
            << keys.toStdString();
    }
    EXPECT_EQ(KeyTable::keysText(reader.keys().bindings().front()), "Space");
}

TEST_F(ReaderViewTest, FocusComesBackAfterTheImportDialog) {
    ReaderView& reader = activeView();
    QTest::keyClick(&reader, Qt::Key_O, Qt::ControlModifier);
    auto* dialog = reader.findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTRY_VERIFY(dialog->isActiveWindow());
    dialog->reject();
    QTRY_COMPARE(QApplication::activeWindow(), &reader);
    EXPECT_TRUE(reader.hasFocus());
    QTest::keyClick(&reader, Qt::Key_Space);
    EXPECT_TRUE(vm_->isPlaying()) << "the next Space reaches the reader";
}

// Tab walks the open card only, and leaves it when the card closes.
TEST_F(ReaderViewTest, TabStaysInsideAnOpenCard) {
    ReaderView& reader = activeView();
    QTest::keyClick(&reader, Qt::Key_F1);
    testing::finishAnimations(reader);
    EXPECT_TRUE(reader.cards().keys().isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(reader.cards().keys().isAncestorOf(QApplication::focusWidget()));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    testing::finishAnimations(reader);
    EXPECT_FALSE(reader.cards().isOpen(ReaderCard::keys));
    EXPECT_TRUE(reader.hasFocus());
}

} // namespace
} // namespace velora
