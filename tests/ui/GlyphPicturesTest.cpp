#include "ui/GlyphPictures.hpp"

#include "ViewImages.hpp"
#include "ui/ReaderFonts.hpp"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace velora {
namespace {

const QSize canvas(520, 200);

QList<QGlyphRun> shapedRuns(const QString& text, qreal size) {
    const QFont font = ReaderFonts::forText(ReaderFonts::focusWord(size), text);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

enum class Drawer { engine, pictures };

using Placement = GlyphPictures::Placement;

QImage draw(const QList<QGlyphRun>& runs, const QPointF& origin, qreal ratio, const QColor& color,
            Drawer drawer, GlyphPictures& pictures, qreal scale = 1,
            Placement placement = Placement::exact) {
    QImage image(canvas * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.setPen(color);
    for (const QGlyphRun& run : runs) {
        if (drawer == Drawer::engine) {
            painter.drawGlyphRun(origin, run);
        } else {
            pictures.draw(painter, origin, run, placement);
        }
    }
    return image;
}

struct Comparison {
    int largest = 0; // of the alpha differences
    double mean = 0; // over the pixels either drawing inked
    bool sameColour = true;
};

Comparison compare(const QImage& a, const QImage& b) {
    Comparison result;
    long total = 0;
    long inked = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) == 0 && qAlpha(q) == 0) {
                continue;
            }
            const int difference = std::abs(qAlpha(p) - qAlpha(q));
            result.largest = std::max(result.largest, difference);
            total += difference;
            ++inked;
            if (qAlpha(p) == 255 && qAlpha(q) == 255 && p != q) {
                result.sameColour = false;
            }
        }
    }
    result.mean = inked == 0 ? 0 : static_cast<double>(total) / static_cast<double>(inked);
    return result;
}

// A glyph a pixel away, or in another colour or size, differs far more than one a quarter pixel
// off; or, while a line grows, half a pixel across and a line half a pixel lower.
void expectAlike(const QImage& filled, const QImage& copied, bool growing = false) {
    const QRect ink = testing::ink(filled, Qt::transparent);
    ASSERT_FALSE(ink.isEmpty());
    const QRect copiedInk = testing::ink(copied, Qt::transparent);
    EXPECT_LE((ink.topLeft() - copiedInk.topLeft()).manhattanLength(), 2);
    EXPECT_LE((ink.bottomRight() - copiedInk.bottomRight()).manhattanLength(), 2);
    const Comparison comparison = compare(filled, copied);
    if (!growing) {
        EXPECT_LT(comparison.largest, 96);
    }
    EXPECT_LT(comparison.mean, growing ? 12 : 6);
    EXPECT_TRUE(comparison.sameColour);
}

struct GlyphCase {
    const char* name;
    QString text;
    qreal size;
    qreal ratio;
    QPointF origin;
    qreal scale = 1; // a shrunk word, or a line on its way to its size
    Placement placement = Placement::exact;
};

class GlyphPicturesLook : public ::testing::TestWithParam<GlyphCase> {};

// Copied glyphs land where the engine would fill them, at fractions of a pixel and on a
// screen of twice the density: no more than a quarter pixel off, joins and marks included.
TEST_P(GlyphPicturesLook, CopiesLookLikeTheFilledGlyphs) {
    const GlyphCase& c = GetParam();
    GlyphPictures pictures;
    const QList<QGlyphRun> runs = shapedRuns(c.text, c.size);
    const QColor color(30, 200, 90);
    const QImage filled = draw(runs, c.origin, c.ratio, color, Drawer::engine, pictures, c.scale);
    const QImage copied =
        draw(runs, c.origin, c.ratio, color, Drawer::pictures, pictures, c.scale, c.placement);
    ASSERT_GT(pictures.size(), 0);
    // Again, now from the pictures drawn the first time.
    EXPECT_EQ(
        draw(runs, c.origin, c.ratio, color, Drawer::pictures, pictures, c.scale, c.placement),
        copied);
    expectAlike(filled, copied, c.placement == Placement::moving);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, GlyphPicturesLook,
    ::testing::Values(
        GlyphCase{"Latin", "jumping", 100, 1, {10.3, 20.6}},
        GlyphCase{"LatinOnADenseScreen", "Wimbledon", 60, 2, {4.87, 3.12}},
        GlyphCase{"ArabicJoins",
                  "\u0627\u0644\u0645\u0633\u062A\u0634\u0641\u0649",
                  90,
                  1,
                  {30.5, 10.25}},
        GlyphCase{"HebrewOnADenseScreen", "\u05E9\u05DC\u05D5\u05DD", 70, 2, {0.9, 0.1}},
        GlyphCase{
            "ThaiStackedMarks", "\u0E0D\u0E35\u0E48\u0E1B\u0E38\u0E48\u0E19", 100, 1, {12.12, 5.5}},
        GlyphCase{"Chinese", "\u5929\u6C14\u9884\u62A5", 96, 1, {20.74, 0.49}},
        GlyphCase{"LatinGrowing", "jumping", 88, 1, {10.3, 20.6}, 0.93},
        GlyphCase{"ArabicGrowingOnADenseScreen",
                  "\u0627\u0644\u0645\u0633\u062A\u0634\u0641\u0649",
                  60,
                  2,
                  {30.5, 10.25},
                  0.957}),
    [](const auto& info) { return std::string(info.param.name); });

struct ChangeCase {
    const char* name;
    QColor firstColour;
    qreal firstSize;
    QColor secondColour;
    qreal secondSize;
};

class GlyphPicturesChange : public ::testing::TestWithParam<ChangeCase> {};

// A picture drawn for one colour or size never stands in for another.
TEST_P(GlyphPicturesChange, NextDrawingTakesItsOwnColourAndSize) {
    const ChangeCase& c = GetParam();
    GlyphPictures pictures;
    const QPointF origin(20.25, 10);
    draw(shapedRuns("moon", c.firstSize), origin, 1, c.firstColour, Drawer::pictures, pictures);
    const QList<QGlyphRun> second = shapedRuns("moon", c.secondSize);
    const QImage copied = draw(second, origin, 1, c.secondColour, Drawer::pictures, pictures);
    const QImage filled = draw(second, origin, 1, c.secondColour, Drawer::engine, pictures);
    expectAlike(filled, copied);
}

INSTANTIATE_TEST_SUITE_P(Changes, GlyphPicturesChange,
                         ::testing::Values(ChangeCase{"Colour", Qt::red, 100, Qt::blue, 100},
                                           ChangeCase{"Size", Qt::red, 100, Qt::red, 130},
                                           ChangeCase{"Shrinking", Qt::red, 100, Qt::red, 97}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GlyphPictures, ManyLargeGlyphsStayWithinTheBudget) {
    GlyphPictures pictures;
    QString text;
    for (char16_t c = 0x4E00; c < 0x4E00 + 400; ++c) {
        text += QChar(c);
    }
    QImage image(QSize(400, 400), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const QGlyphRun& run : shapedRuns(text, 200)) {
        pictures.draw(painter, QPointF(), run);
    }
    EXPECT_GT(pictures.size(), 0);
    EXPECT_LE(pictures.bytes(), GlyphPictures::budgetBytes);
}

// Small glyphs are the engine's own to cache; nothing is kept for them.
TEST(GlyphPictures, LeavesOrdinarySizesToTheEngine) {
    GlyphPictures pictures;
    draw(shapedRuns("ordinary", 40), QPointF(5, 5), 1, Qt::black, Drawer::pictures, pictures);
    EXPECT_EQ(pictures.size(), 0);
}

} // namespace
} // namespace velora
