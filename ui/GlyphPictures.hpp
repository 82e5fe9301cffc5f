#pragma once

#include <QCache>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>

class QGlyphRun;
class QPainter;
class QPointF;
class QRawFont;

namespace velora {

// Draws glyph runs as the painter would, but copies glyphs too large for the raster engine's
// own glyph cache from pictures of themselves instead of filling their outlines on every draw,
// which at reading sizes costs tens of microseconds a letter. Each glyph is filled once, by the
// engine itself, per colour, size and offset from the whole pixel; past the budget the pictures
// least recently drawn go. Main thread only.
class GlyphPictures {
public:
    // Side, in device pixels, of the largest glyph the raster engine caches itself.
    static constexpr qreal engineCachedSize = 64;
    static constexpr qsizetype budgetBytes = 32 * 1024 * 1024;

    // How near a copied glyph comes to where and how large the engine would fill it.
    enum class Placement {
        // Its exact size, to a quarter pixel: text at rest.
        exact,
        // The nearest whole size, to half a pixel across and a whole pixel down: text that
        // changes size on every frame, which exact pictures would serve once each. Glyphs of
        // ordinary sizes are placed to the whole pixel.
        moving,
    };

    // The pictures every view shares.
    static GlyphPictures& shared();

    // Draws `run` at `origin` in the pen's colour. Overlapping glyphs are laid one over the other,
    // as the engine's own cache does.
    void draw(QPainter& painter, const QPointF& origin, const QGlyphRun& run,
              Placement placement = Placement::exact);

    qsizetype size() const { return pictures_.size(); }
    qsizetype bytes() const { return pictures_.totalCost(); }

private:
    // Names the font by what selects its outlines rather than by a QRawFont, whose font engine a
    // cache outliving the application must not hold.
    struct Key {
        QString family;
        QString style;
        int weight = 0;
        int italic = 0;
        qreal pixels = 0; // the font's size on the device
        quint32 glyph = 0;
        QRgb color = 0;
        int quarterX = 0; // offset from the whole device pixel, in quarter pixels
        int quarterY = 0;
        bool operator==(const Key&) const = default;
    };
    struct Picture {
        QImage image;
        QPoint offset; // of the image's corner from the glyph's whole-pixel origin
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept;

    static Picture paint(const QRawFont& font, const Key& key, const QPainter& like);

    QCache<Key, Picture> pictures_{budgetBytes};
};

} // namespace velora
