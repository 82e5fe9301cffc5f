#include "ui/GlyphPictures.hpp"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <cmath>
#include <utility>

namespace velora {

namespace {

constexpr int quarters = 4;

// Room around a glyph's box for antialiasing and for the weight a font engine adds to a face
// that has no bold of its own; cut away once the glyph is drawn.
int marginFor(qreal pixels) {
    return static_cast<int>(std::ceil(pixels / 16)) + 2;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int left = 0;
        while (left < image.width() && qAlpha(line[left]) == 0) {
            ++left;
        }
        if (left == image.width()) {
            continue;
        }
        int right = image.width() - 1;
        while (qAlpha(line[right]) == 0) {
            --right;
        }
        ink |= QRect(left, y, right - left + 1, 1);
    }
    return ink;
}

// What the engine itself draws differently, or what pictures copied one by one would change.
bool drawnAsPictures(const QPainter& painter, const QRawFont& font) {
    const QTransform device = painter.deviceTransform();
    return device.type() <= QTransform::TxScale && device.m11() == device.m22() &&
           font.pixelSize() * device.m11() > GlyphPictures::engineCachedSize &&
           painter.testRenderHint(QPainter::TextAntialiasing) &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           painter.pen().style() != Qt::NoPen && painter.pen().brush().style() == Qt::SolidPattern;
}

} // namespace

size_t qHash(const GlyphPictures::Key& key, size_t seed) noexcept {
    return qHashMulti(seed, key.family, key.style, key.weight, key.italic, key.pixels, key.glyph,
                      key.color, key.quarterX, key.quarterY);
}

GlyphPictures& GlyphPictures::shared() {
    static GlyphPictures pictures;
    return pictures;
}

void GlyphPictures::draw(QPainter& painter, const QPointF& origin, const QGlyphRun& run,
                         Placement placement) {
    const QRawFont font = run.rawFont();
    const QTransform device = painter.deviceTransform();
    if (!drawnAsPictures(painter, font)) {
        painter.drawGlyphRun(origin, run);
        return;
    }
    const bool exact = placement == Placement::exact;
    // Glyphs on one baseline round it alike: down, a whole pixel moves a line, not its letters.
    const int across = exact ? quarters : 2;
    const int down = exact ? quarters : 1;
    const qreal size = font.pixelSize() * device.m11();
    const QColor color = painter.pen().color();
    Key key{font.familyName(),
            font.styleName(),
            font.weight(),
            static_cast<int>(font.style()),
            exact ? size : std::round(size),
            0,
            color.rgba()};
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    painter.save();
    // Whole device pixels from here on, so that every copy is a plain blend.
    painter.setWorldTransform(device.inverted() * painter.worldTransform());
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QPointF at = device.map(origin + positions[i]);
        const QPoint whole(static_cast<int>(std::floor(at.x())),
                           static_cast<int>(std::floor(at.y())));
        // Rounded to the nearest step, which may be the next whole pixel.
        const auto stepX = static_cast<int>(std::lround((at.x() - whole.x()) * across));
        const auto stepY = static_cast<int>(std::lround((at.y() - whole.y()) * down));
        key.glyph = glyphs[i];
        key.quarterX = stepX % across * (quarters / across);
        key.quarterY = stepY % down * (quarters / down);
        const QPoint corner = whole + QPoint(stepX / across, stepY / down);
        if (const Picture* picture = pictures_.object(key)) {
            painter.drawImage(corner + picture->offset, picture->image);
            continue;
        }
        Picture fresh = paint(font, key, painter);
        painter.drawImage(corner + fresh.offset, fresh.image);
        const qsizetype cost = fresh.image.sizeInBytes();
        pictures_.insert(key, new Picture(std::move(fresh)), cost);
    }
    painter.restore();
}

GlyphPictures::Picture GlyphPictures::paint(const QRawFont& font, const Key& key,
                                            const QPainter& like) {
    const qreal scale = key.pixels / font.pixelSize();
    const QPointF offset = QPointF(key.quarterX, key.quarterY) / quarters;
    const QRectF box = font.boundingRect(key.glyph);
    const int margin = marginFor(key.pixels);
    const QRect pixels = QRectF(box.topLeft() * scale + offset, box.size() * scale)
                             .toAlignedRect()
                             .adjusted(-margin, -margin, margin, margin);
    QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(like.renderHints());
        painter.translate(offset - QPointF(pixels.topLeft()));
        painter.scale(scale, scale);
        painter.setPen(QColor::fromRgba(key.color));
        QGlyphRun single;
        single.setRawFont(font);
        single.setGlyphIndexes({key.glyph});
        single.setPositions({QPointF()});
        painter.drawGlyphRun(QPointF(), single);
    }
    const QRect ink = inkOf(image);
    if (ink.isEmpty()) {
        return {};
    }
    return {image.copy(ink), pixels.topLeft() + ink.topLeft()};
}

} // namespace velora
