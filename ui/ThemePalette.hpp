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

    bool operator==(const ThemePalette&) const = default;

    // The background, or the opaque colour of the material of this appearance.
    QColor windowColour() const {
        return background.value_or(colorScheme == ColorScheme::dark ? QColor(30, 30, 34)
                                                                    : QColor(246, 246, 248));
    }
};

// The palette of a theme; `system` takes its roles from the desktop's palette.
ThemePalette palette(ReadingTheme theme, const QPalette& desktop);

} // namespace velora
