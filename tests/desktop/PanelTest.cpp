#include "shell/OverlayWindowController.hpp"
#include "ui/ThemePalette.hpp"

#include <QGuiApplication>
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

// No window manager runs here to move windows, so the panel follows the pointer itself.
TEST(PanelTest, DraggingTheBackgroundMovesThePanel) {
    OverlayWindowController overlay(noContent());
    QWidget& panel = overlay.panel();
    overlay.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QPoint start = panel.pos();
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseMove(&panel, QPoint(70, 60));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(70, 60));
    EXPECT_EQ(panel.pos(), start + QPoint(30, 20));
}

} // namespace
} // namespace velora
