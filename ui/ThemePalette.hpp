#pragma once

#include "core/ReadingTheme.hpp"

#include <QColor>
#include <QPalette>
#include <optional>

namespace velora {

enum class ColorScheme { light, dark };

// The concrete colours of one reading theme and the appearance the reader forces with it.
struct ThemePalette {
    // None lets the window's translucent material show through.
    std::optional<QColor> background;
    QColor text;
    QColor dim;
    QColor accent;
    QColor pivot;
    QColor ruler;
    ColorScheme colorScheme = ColorScheme::dark;
    // What text must reach against the window: 7:1 in High Contrast, 4.5:1 elsewhere.
    double minimumContrast = 4.5;

    bool operator==(const ThemePalette&) const = default;

    // The background, or the opaque colour of the material of this appearance.
    QColor windowColour() const {
        return background.value_or(colorScheme == ColorScheme::dark ? QColor(30, 30, 34)
                                                                    : QColor(246, 246, 248));
    }
    // `colour` made legible as text on the window, keeping as much of its hue as it can.
    QColor legible(const QColor& colour) const;
    // Black or white, whichever reads better on a fill of the accent.
    QColor onAccent() const;
};

// The palette of a theme; `system` takes its roles from the desktop's palette.
ThemePalette palette(ReadingTheme theme, const QPalette& desktop);
// The widgets' palette that carries a theme into standard controls, built on `base`.
QPalette widgetPalette(const ThemePalette& theme, QPalette base);

} // namespace velora
