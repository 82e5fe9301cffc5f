#include "shell/OverlayWindowController.hpp"
#include "ui/ThemePalette.hpp"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace velora {
namespace {

OverlayWindowController::ContentFactory noContent() {
    return [](std::function<void()>) { return std::unique_ptr<QWidget>(); };
}

class PanelAppearanceTest : public ::testing::TestWithParam<ReadingTheme> {};

// Without a compositor (as here) every theme is opaque; solid themes bring their own window
// colour, `system` the material of its appearance, each with text on the right side of it.
TEST_P(PanelAppearanceTest, FollowsTheTheme) {
    OverlayWindowController overlay(noContent(), ReadingTheme::system);
    overlay.applyAppearance(GetParam());
    const QPalette shown = overlay.panel().palette();
    const ThemePalette colours = palette(GetParam(), QGuiApplication::palette());
    const QColor window = shown.color(QPalette::Window);
    EXPECT_EQ(window.alpha(), 255);
    if (colours.background) {
        EXPECT_EQ(window, *colours.background);
    }
    EXPECT_EQ(shown.color(QPalette::WindowText), colours.text);
    const bool dark = colours.colorScheme == ColorScheme::dark;
    EXPECT_EQ(window.lightness() < shown.color(QPalette::WindowText).lightness(), dark);
}

INSTANTIATE_TEST_SUITE_P(Themes, PanelAppearanceTest, ::testing::ValuesIn(allReadingThemes),
                         [](const auto& info) { return std::string(toString(info.param)); });

struct Gesture {
    const char* name;
    QPoint to; // where the button is released, from a press at (40, 40)
    QPoint moved;
};

class PanelDrag : public ::testing::TestWithParam<Gesture> {};

// No window manager runs here to move windows, so the panel follows the pointer itself. A tap,
// or a jitter under the drag distance, moves nothing and leaves nothing following the pointer.
TEST_P(PanelDrag, MovesOnlyWithARealDrag) {
    OverlayWindowController overlay(noContent());
    QWidget& panel = overlay.panel();
    overlay.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QPoint start = panel.pos();
    const QPoint press(40, 40);
    QTest::mousePress(&panel, Qt::LeftButton, {}, press);
    if (GetParam().to != press) {
        QTest::mouseMove(&panel, GetParam().to);
    }
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, GetParam().to);
    EXPECT_EQ(panel.pos(), start + GetParam().moved);
    // With the button up, the pointer goes where it likes.
    QMouseEvent wander(QEvent::MouseMove, QPointF(200, 150), panel.mapToGlobal(QPointF(200, 150)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&panel, &wander);
    EXPECT_EQ(panel.pos(), start + GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(Gestures, PanelDrag,
                         ::testing::Values(Gesture{"drag", {70, 60}, {30, 20}},
                                           Gesture{"tap", {40, 40}, {0, 0}},
                                           Gesture{"jitter", {41, 41}, {0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
