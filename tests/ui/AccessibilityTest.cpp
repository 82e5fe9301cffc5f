#include "ReaderViewFixture.hpp"
#include "ui/FocusReaderView.hpp"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <set>

namespace velora {
namespace {

using testing::ReaderViewTest;
using Seconds = Scheduler::Seconds;

bool interactive(const QWidget& widget) {
    if (qobject_cast<const QScrollBar*>(&widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget.parentWidget()) ||
        qobject_cast<const QComboBox*>(widget.parentWidget())) {
        return false; // mouse-only, or part of a control that speaks for it
    }
    return qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QTabBar*>(&widget);
}

// The controls a user meets in `area` now: shown, enabled or not.
std::vector<QWidget*> controlsShownIn(QWidget& area) {
    std::vector<QWidget*> shown;
    for (QWidget* each : area.findChildren<QWidget*>()) {
        if (interactive(*each) && each->isVisibleTo(&area) && each->isVisibleTo(area.window())) {
            shown.push_back(each);
        }
    }
    return shown;
}

// Where Tab and Shift+Tab take focus, starting from `start`, until it comes round again.
std::set<QWidget*> tabWalk(QWidget& start) {
    std::set<QWidget*> visited;
    start.setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 200; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || !visited.insert(focus).second) {
            break;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

void expectNamedRolesInTheChain(QWidget& area, QWidget& start) {
    const std::set<QWidget*> chain = tabWalk(start);
    const std::vector<QWidget*> controls = controlsShownIn(area);
    ASSERT_FALSE(controls.empty());
    for (QWidget* control : controls) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        const std::string what = control->metaObject()->className() + std::string(" ") +
                                 control->objectName().toStdString() + " " +
                                 accessible->text(QAccessible::Name).toStdString();
        if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int i = 0; i < tabs->count(); ++i) {
                EXPECT_FALSE(tabs->tabText(i).isEmpty()) << what;
            }
        } else {
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << what;
        }
        EXPECT_NE(accessible->role(), QAccessible::Client) << what;
        EXPECT_NE(accessible->role(), QAccessible::NoRole) << what;
        if (control->isEnabled()) {
            EXPECT_TRUE(chain.contains(control)) << what << " is out of the Tab chain";
        }
    }
}

// The panel itself, or the card open over it.
class PanelWalk : public ReaderViewTest,
                  public ::testing::WithParamInterface<std::optional<ReaderCard>> {};

TEST_P(PanelWalk, EveryControlHasANameARoleAndATabStop) {
    vm_->load("Some words to read, and a few more of them.", ReaderViewModel::LoadSource::text());
    library_->clearHistory();
    vm_->load("A second text, so that the library lists a row.",
              ReaderViewModel::LoadSource::text());
    ReaderView& reader = activeView();
    QWidget* area = &reader;
    if (const std::optional<ReaderCard> open = GetParam()) {
        reader.cards().setShown(*open, true);
        area = &card(reader, *open);
    }
    testing::finishAnimations(reader);
    QWidget& start = area == &reader ? static_cast<QWidget&>(reader.fullScreenButton())
                                     : *QApplication::focusWidget();
    expectNamedRolesInTheChain(*area, start);
}

INSTANTIATE_TEST_SUITE_P(Cards, PanelWalk,
                         ::testing::Values(std::nullopt, ReaderCard::settings, ReaderCard::library,
                                           ReaderCard::keys));

TEST_F(ReaderViewTest, SettingsWindowTabsAreWalkable) {
    HotKeySetting shortcut(preferences_);
    SettingsView window(*speech_, shortcut);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int tab = 0; tab < window.tabs().count(); ++tab) {
        SCOPED_TRACE(window.tabs().tabText(tab).toStdString());
        window.tabs().setCurrentIndex(tab);
        expectNamedRolesInTheChain(window, *window.tabs().findChild<QTabBar*>());
    }
}

// A screen reader hears the words where reading stops, not every word flashed on the way.
TEST_F(ReaderViewTest, FocusViewAnnouncesTheWordAtRestOnly) {
    std::string words;
    for (int i = 0; i < 40; ++i) {
        words += "word" + std::to_string(i) + ' ';
    }
    vm_->load(words, ReaderViewModel::LoadSource::text());
    ReaderView& reader = view();
    auto& focus = static_cast<FocusReaderView&>(*reader.readingArea().currentWidget());
    QCoreApplication::processEvents();
    QSignalSpy announced(&focus, &FocusReaderView::announced);

    vm_->play();
    for (int i = 0; i < 4; ++i) {
        clock_.advance(Seconds{0.3});
        QCoreApplication::processEvents();
    }
    vm_->stepForward(); // pauses, moves, plays on: still reading
    QCoreApplication::processEvents();
    EXPECT_EQ(announced.count(), 0);

    vm_->pause();
    QCoreApplication::processEvents();
    ASSERT_EQ(announced.count(), 1);
    const QString current = QString::fromStdString(vm_->engine().currentChunk().front().text);
    EXPECT_EQ(announced.at(0).at(0).toString(), current);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&focus);
    EXPECT_EQ(accessible->text(QAccessible::Value), current);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());

    vm_->step(3); // a step at rest says the new word
    QCoreApplication::processEvents();
    ASSERT_EQ(announced.count(), 2);
    EXPECT_NE(announced.at(1).at(0).toString(), current);
}

} // namespace
} // namespace velora
