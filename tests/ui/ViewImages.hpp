#pragma once

#include "core/Word.hpp"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QVariantAnimation>
#include <QWidget>
#include <cmath>
#include <string>

namespace velora::testing {

// The widget as a screen of `ratio` device pixels to a point shows it.
inline QImage render(QWidget& widget, const QColor& backdrop, qreal ratio = 1) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backdrop);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Brings every running animation of the widget to its end, as if its time had passed.
inline void finishAnimations(QWidget& widget) {
    for (QVariantAnimation* animation : widget.findChildren<QVariantAnimation*>()) {
        if (animation->state() == QAbstractAnimation::Running) {
            animation->setCurrentTime(animation->duration());
        }
    }
}

inline void advanceAnimations(QWidget& widget, int milliseconds) {
    for (QVariantAnimation* animation : widget.findChildren<QVariantAnimation*>()) {
        if (animation->state() == QAbstractAnimation::Running) {
            animation->setCurrentTime(milliseconds);
        }
    }
}

inline int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// `over` drawn at `opacity` on `under`.
inline QColor blend(const QColor& over, double opacity, const QColor& under) {
    return QColor::fromRgbF(
        static_cast<float>(over.redF() * opacity + under.redF() * (1 - opacity)),
        static_cast<float>(over.greenF() * opacity + under.greenF() * (1 - opacity)),
        static_cast<float>(over.blueF() * opacity + under.blueF() * (1 - opacity)));
}

// The pixel of `area` that stands out most from `background`: the fully covered inside of a
// glyph shows the colour it was drawn in.
inline QColor strongest(const QImage& image, const QRect& area, const QColor& background) {
    QColor best = background;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (distance(pixel, background) > distance(best, background)) {
                best = pixel;
            }
        }
    }
    return best;
}

// The bounding box of the pixels for which `inside` holds; empty when there are none.
template <typename Inside> QRect boxOf(const QImage& image, Inside inside) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inside(image.pixelColor(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

inline QRect areaOf(const QImage& image, const QColor& color, int tolerance = 24) {
    return boxOf(image, [&](const QColor& pixel) { return distance(pixel, color) <= tolerance; });
}

// Everything drawn on `background`.
inline QRect ink(const QImage& image, const QColor& background, int tolerance = 24) {
    return boxOf(image,
                 [&](const QColor& pixel) { return distance(pixel, background) > tolerance; });
}

inline Word word(std::int64_t id, std::string text, std::int64_t orp) {
    Word w;
    w.id = id;
    w.text = std::move(text);
    w.orp = orp;
    return w;
}

} // namespace velora::testing
