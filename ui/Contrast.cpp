#include "ui/Contrast.hpp"

#include <algorithm>
#include <cmath>

namespace velora {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](float a, float b) {
        return static_cast<float>(a + (b - a) * share);
    };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    // The list form answers values; the two-argument form would answer references to the
    // temporaries, gone by the next line.
    const auto [darker, lighter] = std::minmax({luminance(first), luminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor withContrast(const QColor& colour, const QColor& background, const QColor& strongest,
                    double ratio) {
    if (contrastRatio(colour, background) >= ratio) {
        return colour;
    }
    if (contrastRatio(strongest, background) <= ratio) {
        return strongest;
    }
    // Contrast grows along the way to the strongest colour; the least share that reaches the
    // ratio keeps the colour closest to its own.
    double low = 0;
    double high = 1;
    for (int i = 0; i < 24; ++i) {
        const double middle = (low + high) / 2;
        (contrastRatio(mix(colour, strongest, middle), background) >= ratio ? high : low) = middle;
    }
    return mix(colour, strongest, high);
}

} // namespace velora
