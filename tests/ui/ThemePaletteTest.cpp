#include "ui/ThemePalette.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

TEST(ThemePalette, OnlyTheSystemThemeLetsTheWindowShowThrough) {
    for (ReadingTheme theme : allReadingThemes) {
        EXPECT_EQ(palette(theme, QPalette()).background.has_value(), isSolid(theme))
            << toString(theme);
    }
}

TEST(ThemePalette, SystemThemeFollowsTheDesktopPalette) {
    QPalette desktop;
    desktop.setColor(QPalette::WindowText, Qt::green);
    desktop.setColor(QPalette::PlaceholderText, Qt::gray);
    desktop.setColor(QPalette::Highlight, Qt::magenta);
    const ThemePalette system = palette(ReadingTheme::system, desktop);
    EXPECT_EQ(system.text, QColor(Qt::green));
    EXPECT_EQ(system.dim, QColor(Qt::gray));
    EXPECT_EQ(system.accent, QColor(Qt::magenta));
    EXPECT_EQ(system.colorScheme, ColorScheme::dark);
}

TEST(ThemePalette, HighContrastMarksEverythingInOneYellow) {
    const ThemePalette high = palette(ReadingTheme::highContrast, QPalette());
    EXPECT_EQ(high.accent, high.pivot);
    EXPECT_EQ(high.pivot, high.ruler);
    EXPECT_EQ(high.background, QColor(Qt::black));
    EXPECT_EQ(palette(ReadingTheme::sepia, QPalette()).colorScheme, ColorScheme::light);
}

} // namespace
} // namespace velora
