#include "ui/ORPLine.hpp"

#include "ViewImages.hpp"
#include "ui/ReaderFonts.hpp"

#include <QPainter>
#include <gtest/gtest.h>

namespace velora {
namespace {

const ThemePalette dark = palette(ReadingTheme::dark, QPalette());
const QSize canvas(480, 160);

QFont shapingFont(const char* family) {
    QFont font;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(56);
    return font;
}

QImage paintLine(const Word& word, bool highlight, const QFont& font) {
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ORPLine(std::span(&word, 1), dark, highlight, font).paint(painter, QRectF(image.rect()));
    return image;
}

// Where the glyph coverage of two drawings differs; none when the word kept one shape.
int coverageDifferences(const QImage& a, const QImage& b) {
    int differences = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differences += qAlpha(a.pixel(x, y)) != qAlpha(b.pixel(x, y)) ? 1 : 0;
        }
    }
    return differences;
}

QRect solidArea(const QImage& image, const QColor& color) {
    return testing::boxOf(image, [&](const QColor& pixel) {
        return pixel.alpha() > 160 && testing::distance(pixel, color) <= 60;
    });
}

struct ShapeCase {
    const char* name;
    std::string text;
    std::int64_t orp;
    QFont font;
};

class ORPLineShape : public ::testing::TestWithParam<ShapeCase> {};

// Colouring the pivot must not cut the word: joins, conjuncts and ligatures keep their form, and
// the pivot's own glyphs sit on the centre wherever the shaping put them.
TEST_P(ORPLineShape, ColouredPivotKeepsTheShapeAndSitsOnTheCentre) {
    const ShapeCase& c = GetParam();
    const Word word = testing::word(0, c.text, c.orp);
    const QImage coloured = paintLine(word, true, c.font);
    const QImage plain = paintLine(word, false, c.font);
    ASSERT_FALSE(testing::ink(plain, Qt::transparent).isEmpty());
    EXPECT_EQ(coverageDifferences(coloured, plain), 0);
    const QRect pivot = solidArea(coloured, dark.pivot);
    ASSERT_FALSE(pivot.isEmpty());
    EXPECT_NEAR((pivot.left() + pivot.right() + 1) / 2.0, canvas.width() / 2.0, 1.0);
    EXPECT_TRUE(solidArea(plain, dark.pivot).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ORPLineShape,
    ::testing::Values(
        ShapeCase{"ArabicJoinedLetters", "\u0645\u0631\u062D\u0628\u0627", 2,
                  ReaderFonts::focusWord(56)},
        ShapeCase{"ArabicInTheFallbackFace", "\u0628\u0643\u0645", 1, ReaderFonts::page(56, false)},
        ShapeCase{"Hebrew", "\u05E9\u05DC\u05D5\u05DD", 1, ReaderFonts::focusWord(56)},
        // The pivot is the second half of a conjunct.
        ShapeCase{"DevanagariConjunctAcrossThePivot", "\u0915\u094D\u0937\u092E\u093E", 1,
                  ReaderFonts::focusWord(56)},
        ShapeCase{"DevanagariWord", "\u0935\u093F\u0926\u094D\u092F\u093E\u0932\u092F", 2,
                  ReaderFonts::page(56, true)},
        ShapeCase{"LatinLigature", "office", 2, shapingFont("Noto Serif")},
        ShapeCase{"Chinese", "\u5929\u6C14", 1, ReaderFonts::focusWord(56)},
        ShapeCase{"Thai", "\u0E20\u0E32\u0E29\u0E32", 1, ReaderFonts::focusWord(56)},
        ShapeCase{"LatinInTheFocusFace", "reading", 2, ReaderFonts::focusWord(56)}),
    [](const auto& info) { return std::string(info.param.name); });

class ORPLineElision : public ::testing::TestWithParam<ShapeCase> {};

// Past the smallest size a word is cut on both sides of its pivot, which stays on the centre.
TEST_P(ORPLineElision, TooLongWordIsCutToTheLineAroundItsPivot) {
    const ShapeCase& c = GetParam();
    const Word word = testing::word(0, c.text, c.orp);
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRectF area(140, 0, 200, canvas.height());
    {
        QPainter painter(&image);
        ORPLine(std::span(&word, 1), dark, true, c.font).paint(painter, area);
    }
    const QRect ink = testing::ink(image, Qt::transparent);
    EXPECT_GE(ink.left(), area.left());
    EXPECT_LE(ink.right(), area.right());
    const QRect pivot = solidArea(image, dark.pivot);
    ASSERT_FALSE(pivot.isEmpty());
    EXPECT_NEAR((pivot.left() + pivot.right() + 1) / 2.0, area.center().x(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ORPLineElision,
    ::testing::Values(ShapeCase{"Latin", "pneumonoultramicroscopicsilicovolcanoconiosis", 12,
                                ReaderFonts::focusWord(56)},
                      ShapeCase{"Arabic",
                                "\u0627\u0644\u0645\u0633\u062A\u0634\u0641\u064A\u0627"
                                "\u062A\u0627\u0644\u0645\u062A\u062E\u0635\u0635\u0629"
                                "\u0627\u0644\u062C\u062F\u064A\u062F\u0629",
                                8, ReaderFonts::focusWord(56)}),
    [](const auto& info) { return std::string(info.param.name); });

// The line across `area` as a view draws it: faded to `opacity`, grown to `scale` about the
// area's centre, on a screen of `ratio` device pixels to a point.
QImage paintAt(const ORPLine& line, const QRectF& area, qreal opacity, qreal ratio,
               qreal scale = 1) {
    QImage image(canvas * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setOpacity(opacity);
    painter.translate(area.center());
    painter.scale(scale, scale);
    painter.translate(-area.center());
    line.paint(painter, area);
    return image;
}

struct PictureCase {
    const char* name;
    std::string text;
    qreal ratio;
};

class ORPLinePicture : public ::testing::TestWithParam<PictureCase> {
protected:
    static ORPLine shown() {
        const Word word = testing::word(0, GetParam().text, 2);
        return ORPLine(std::span(&word, 1), dark, true, ReaderFonts::focusWord(56));
    }
    // Between pixels, as a centred line often is.
    static constexpr QRectF area{10.5, 40.25, 459, 70};
};

// A fading line is copied from a picture of itself: it must cover what the line at rest
// covers, marks past its box included.
TEST_P(ORPLinePicture, FadingLineCoversWhatItCoversAtRest) {
    const QImage rest = paintAt(shown(), area, 1, GetParam().ratio);
    const QImage fading = paintAt(shown(), area, 0.5, GetParam().ratio);
    for (int y = 0; y < rest.height(); ++y) {
        for (int x = 0; x < rest.width(); ++x) {
            ASSERT_NEAR(qAlpha(fading.pixel(x, y)), qAlpha(rest.pixel(x, y)) / 2.0, 1.0)
                << x << "," << y;
        }
    }
}

// A growing line is, on every frame, the line at rest drawn smaller about the area's centre,
// its pivot still on it.
TEST_P(ORPLinePicture, GrowingLineIsTheLineAtRestScaledAboutTheCentre) {
    const qreal ratio = GetParam().ratio;
    const ORPLine line = shown();
    const QRectF rest = QRectF(testing::ink(paintAt(line, area, 1, ratio), Qt::transparent));
    const QPointF centre = area.center() * ratio;
    for (const qreal scale : {0.9, 0.95, 0.999}) {
        const QImage growing = paintAt(line, area, 0.5, ratio, scale);
        const QRectF ink = QRectF(testing::ink(growing, Qt::transparent));
        const QRectF expected((rest.topLeft() - centre) * scale + centre, rest.size() * scale);
        EXPECT_NEAR(ink.left(), expected.left(), 2 * ratio) << scale;
        EXPECT_NEAR(ink.right(), expected.right(), 2 * ratio) << scale;
        EXPECT_NEAR(ink.top(), expected.top(), 2 * ratio) << scale;
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 2 * ratio) << scale;
    }
    const QRect pivot = solidArea(paintAt(line, area, 1, ratio, 0.9), dark.pivot);
    ASSERT_FALSE(pivot.isEmpty());
    EXPECT_NEAR((pivot.left() + pivot.right() + 1) / 2.0, centre.x(), ratio);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ORPLinePicture,
    ::testing::Values(
        PictureCase{"Latin", "jumping", 1}, PictureCase{"LatinOnADenseScreen", "jumping", 2},
        PictureCase{"ThaiStackedMarks", "\u0E0D\u0E35\u0E48\u0E1B\u0E38\u0E48\u0E19", 1},
        PictureCase{"ArabicOnADenseScreen", "\u0627\u0644\u0643\u062A\u0627\u0628", 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct LeadCase {
    const char* name;
    std::string text;
    bool readsRightToLeft;
};

class ORPLineDirection : public ::testing::TestWithParam<LeadCase> {};

// The pivot counts from the word's start, which a right-to-left word has on the right: with the
// first letter as pivot the rest of the word lies on the side it reads towards.
TEST_P(ORPLineDirection, WordGoesOnFromItsFirstLetterInItsDirection) {
    const LeadCase& c = GetParam();
    const QImage image = paintLine(testing::word(0, c.text, 0), true, ReaderFonts::focusWord(56));
    const QRect pivot = solidArea(image, dark.pivot);
    const QRect rest = solidArea(image, dark.text);
    ASSERT_FALSE(pivot.isEmpty() || rest.isEmpty());
    if (c.readsRightToLeft) {
        EXPECT_LT(rest.left(), pivot.left());
        EXPECT_LE(rest.right(), pivot.right() + 1);
    } else {
        EXPECT_GT(rest.right(), pivot.right());
        EXPECT_GE(rest.left(), pivot.left() - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ORPLineDirection,
                         ::testing::Values(LeadCase{"Hebrew", "\u05D6\u05D4\u05D5", true},
                                           LeadCase{"Arabic", "\u0645\u0631\u062D\u0628\u0627",
                                                    true},
                                           LeadCase{"Latin", "word", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The middle of the widest run of empty columns within the ink: the space between two words.
double widestGap(const QImage& image) {
    const QRect ink = testing::ink(image, Qt::transparent);
    int best = 0;
    double middle = -1;
    int run = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        bool empty = true;
        for (int y = ink.top(); y <= ink.bottom() && empty; ++y) {
            empty = qAlpha(image.pixel(x, y)) == 0;
        }
        run = empty ? run + 1 : 0;
        if (run > best) {
            best = run;
            middle = x - (run - 1) / 2.0;
        }
    }
    return middle;
}

TEST(ORPLineGroup, ChunkInARightToLeftScriptStartsOnTheRight) {
    // A short first word and a long second one: the space lies nearer the first word's end.
    const std::vector<Word> chunk{
        testing::word(0, "\u05D0\u05D1", 1),
        testing::word(1, "\u05E9\u05DC\u05D5\u05DD\u05E2\u05D5\u05DC\u05DD", 1)};
    QImage image(canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        ORPLine(chunk, dark, true, ReaderFonts::focusWord(56)).paint(painter, QRectF(image.rect()));
    }
    const QRect ink = testing::ink(image, Qt::transparent);
    EXPECT_NEAR((ink.left() + ink.right()) / 2.0, canvas.width() / 2.0, 2.0);
    EXPECT_GT(widestGap(image), ink.center().x());
    EXPECT_TRUE(solidArea(image, dark.pivot).isEmpty());
}

} // namespace
} // namespace velora
