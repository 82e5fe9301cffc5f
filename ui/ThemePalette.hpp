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
};

// The palette of a theme; `system` takes its roles from the desktop's palette.
ThemePalette palette(ReadingTheme theme, const QPalette& desktop);

} // namespace velora
