#include "ui/ThemePalette.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

TEST(ThemePalette, SystemThemeTakesADarkDesktopsRolesAndStaysLegibleOnALightOne) {
    QPalette desktop;
    desktop.setColor(QPalette::WindowText, QColor(230, 230, 230));
    desktop.setColor(QPalette::PlaceholderText, Qt::gray);
    desktop.setColor(QPalette::Highlight, Qt::magenta);
    const ThemePalette onDark = palette(ReadingTheme::system, desktop);
    EXPECT_EQ(onDark.text, QColor(230, 230, 230));
    EXPECT_EQ(onDark.dim, QColor(Qt::gray));
    EXPECT_EQ(onDark.accent, QColor(Qt::magenta));
    EXPECT_EQ(onDark.colorScheme, ColorScheme::dark);

    desktop.setColor(QPalette::WindowText, Qt::black);
    const ThemePalette onLight = palette(ReadingTheme::system, desktop);
    EXPECT_GT(onLight.text.lightnessF(), 0.8);
    EXPECT_GT(onLight.dim.lightnessF(), 0.5);
    EXPECT_EQ(onLight.accent, QColor(Qt::magenta));
}

} // namespace
} // namespace velora
