#pragma once

#include <QColor>

namespace velora {

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white), as the
// legibility guidelines for the web define it: relative luminance of sRGB, plus flare.
double contrastRatio(const QColor& first, const QColor& second);

// `colour` moved toward `strongest` just far enough to reach `ratio` against `background`;
// `strongest` itself when even it falls short.
QColor withContrast(const QColor& colour, const QColor& background, const QColor& strongest,
                    double ratio);

} // namespace velora
