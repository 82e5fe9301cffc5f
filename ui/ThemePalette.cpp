#include "ui/ThemePalette.hpp"

#include "ui/Contrast.hpp"

namespace velora {

namespace {

QColor rgb(double red, double green, double blue) {
    return QColor::fromRgbF(red, green, blue);
}
QColor grey(double level) {
    return rgb(level, level, level);
}

// The desktop names no red or yellow role, so the system theme uses fixed, legible ones.
const QColor systemRed = rgb(1.0, 0.23, 0.19);
const QColor systemYellow = rgb(1.0, 0.8, 0.0);

// The system theme always shows the dark appearance, so its labels must be light even when the
// desktop itself is light; a light desktop's label roles would be dark text on the dark panel.
ThemePalette systemPalette(const QPalette& desktop) {
    const QColor text = desktop.color(QPalette::Active, QPalette::WindowText);
    const bool desktopIsDark = text.lightnessF() >= 0.5;
    return {std::nullopt,
            desktopIsDark ? text : rgb(0.92, 0.92, 0.94),
            desktopIsDark ? desktop.color(QPalette::Active, QPalette::PlaceholderText) : grey(0.6),
            desktop.color(QPalette::Active, QPalette::Highlight),
            systemRed,
            systemYellow,
            ColorScheme::dark};
}

// The table's colours, before the quieter ones are made legible.
ThemePalette tablePalette(ReadingTheme theme, const QPalette& desktop) {
    switch (theme) {
    case ReadingTheme::system:
        return systemPalette(desktop);
    case ReadingTheme::dark:
        return {rgb(0.09, 0.09, 0.11), rgb(0.92, 0.92, 0.94), grey(0.55),
                rgb(0.36, 0.72, 1.0),  rgb(1.0, 0.38, 0.38),  rgb(0.36, 0.72, 1.0),
                ColorScheme::dark};
    case ReadingTheme::light:
        return {rgb(0.98, 0.98, 0.99), rgb(0.11, 0.11, 0.13), grey(0.55),
                rgb(0.0, 0.42, 0.9),   rgb(0.85, 0.2, 0.2),   rgb(1.0, 0.82, 0.2),
                ColorScheme::light};
    case ReadingTheme::sepia:
        return {rgb(0.96, 0.92, 0.84), rgb(0.36, 0.27, 0.19), rgb(0.6, 0.52, 0.42),
                rgb(0.72, 0.36, 0.13), rgb(0.78, 0.24, 0.16), rgb(0.85, 0.66, 0.36),
                ColorScheme::light};
    case ReadingTheme::night:
        return {rgb(0.04, 0.04, 0.05), rgb(0.78, 0.74, 0.66), rgb(0.55, 0.51, 0.45),
                rgb(0.86, 0.62, 0.3),  rgb(0.9, 0.5, 0.3),    rgb(0.5, 0.4, 0.22),
                ColorScheme::dark};
    case ReadingTheme::paper:
        return {rgb(0.99, 0.98, 0.96), rgb(0.16, 0.16, 0.15), grey(0.58),
                rgb(0.2, 0.5, 0.42),   rgb(0.8, 0.28, 0.24),  rgb(0.62, 0.84, 0.76),
                ColorScheme::light};
    case ReadingTheme::highContrast:
        return {grey(0.0),           grey(1.0),           grey(0.62),        rgb(1.0, 0.85, 0.0),
                rgb(1.0, 0.85, 0.0), rgb(1.0, 0.85, 0.0), ColorScheme::dark, 7.0};
    }
    return tablePalette(ReadingTheme::dark, desktop);
}

} // namespace

ThemePalette palette(ReadingTheme theme, const QPalette& desktop) {
    ThemePalette colours = tablePalette(theme, desktop);
    // The table's dimmed text falls to 3:1 on the light themes' pages; it is darkened just
    // enough to be read, staying quieter than the text.
    colours.dim = colours.legible(colours.dim);
    return colours;
}

QColor ThemePalette::legible(const QColor& colour) const {
    return withContrast(colour, windowColour(), text, minimumContrast);
}

QColor ThemePalette::onAccent() const {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, accent) >= contrastRatio(white, accent) ? black : white;
}

QPalette widgetPalette(const ThemePalette& theme, QPalette base) {
    const bool dark = theme.colorScheme == ColorScheme::dark;
    const QColor window = theme.windowColour();
    const QColor raised = dark ? window.lighter(150) : window.darker(106);
    base.setColor(QPalette::Window, window);
    base.setColor(QPalette::Base, raised);
    base.setColor(QPalette::AlternateBase, raised);
    base.setColor(QPalette::Button, raised);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        base.setColor(role, theme.text);
    }
    base.setColor(QPalette::PlaceholderText, theme.dim);
    base.setColor(QPalette::Highlight, theme.accent);
    base.setColor(QPalette::HighlightedText, theme.onAccent());
    base.setColor(QPalette::ToolTipBase, window);
    base.setColor(QPalette::ToolTipText, theme.text);
    return base;
}

} // namespace velora
