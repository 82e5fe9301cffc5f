#include "ui/ThemePalette.hpp"

#include "ui/Contrast.hpp"
#include "ui/FlowReadingView.hpp"

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

struct Desktop {
    const char* name;
    QColor text;
    QColor placeholder;
    QColor highlight;
};

class ThemeContrast : public ::testing::TestWithParam<std::tuple<ReadingTheme, Desktop>> {};

// Every text role against the window it is drawn on: 4.5:1, and 7:1 in High Contrast. The
// current words of the page are bold and at least 14 points, large text, for which 3:1 is the
// bar (4.5:1 in High Contrast).
TEST_P(ThemeContrast, EveryTextRoleReads) {
    const auto& [theme, desktop] = GetParam();
    QPalette colours;
    colours.setColor(QPalette::WindowText, desktop.text);
    colours.setColor(QPalette::PlaceholderText, desktop.placeholder);
    colours.setColor(QPalette::Highlight, desktop.highlight);
    const ThemePalette shown = palette(theme, colours);
    const QColor window = shown.windowColour();
    const double required = theme == ReadingTheme::highContrast ? 7.0 : 4.5;
    EXPECT_EQ(shown.minimumContrast, required);

    const std::pair<const char*, QColor> roles[] = {
        {"text", shown.text},
        {"dim", shown.dim},
        {"flow words", FlowReadingView::inactiveColour(ReadingMode::flow, shown)},
        {"warning", shown.legible(QColor(255, 59, 48))},
        {"on accent", shown.onAccent()}};
    for (const auto& [role, colour] : roles) {
        const QColor under = std::string(role) == "on accent" ? shown.accent : window;
        EXPECT_GE(contrastRatio(colour, under), std::string(role) == "on accent" ? 4.5 : required)
            << role;
    }
    EXPECT_GE(contrastRatio(shown.accent, window), required == 7.0 ? 4.5 : 3.0) << "current words";
    // Quieter, yet not the same as the text.
    EXPECT_LT(contrastRatio(shown.dim, window), contrastRatio(shown.text, window));
}

INSTANTIATE_TEST_SUITE_P(
    Themes, ThemeContrast,
    ::testing::Combine(::testing::ValuesIn(allReadingThemes),
                       ::testing::Values(Desktop{"darkDesktop", QColor(230, 230, 230),
                                                 QColor(140, 140, 140), QColor(61, 174, 233)},
                                         Desktop{"lightDesktop", QColor(20, 20, 20),
                                                 QColor(120, 120, 120), QColor(48, 140, 198)})),
    [](const auto& info) {
        return std::string(toString(std::get<0>(info.param))) + "_" + std::get<1>(info.param).name;
    });

TEST(Contrast, MatchesTheKnownExtremesAndMovesColoursOnlyAsFarAsNeeded) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
    const QColor passing(90, 90, 90);
    EXPECT_EQ(withContrast(passing, Qt::white, Qt::black, 4.5), passing);
    const QColor moved = withContrast(QColor(150, 150, 150), Qt::white, Qt::black, 4.5);
    EXPECT_GE(contrastRatio(moved, Qt::white), 4.5);
    EXPECT_LT(contrastRatio(moved, Qt::white), 4.6);
    EXPECT_EQ(withContrast(Qt::gray, Qt::white, QColor(200, 200, 200), 4.5), QColor(200, 200, 200));
}

} // namespace
} // namespace velora
