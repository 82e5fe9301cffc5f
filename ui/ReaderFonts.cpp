#include "ui/ReaderFonts.hpp"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace velora::ReaderFonts {

namespace {

// Sizes are logical pixels; below one pixel a font has no glyphs to draw.
int pixels(qreal size) {
    return std::max(1, static_cast<int>(std::lround(size)));
}

QFont font(const QStringList& families, QFont::StyleHint hint, QFont::Weight weight, qreal size) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setWeight(weight);
    font.setPixelSize(pixels(size));
    return font;
}

} // namespace

QFont focusWord(qreal size) {
    return font({QStringLiteral("JetBrains Mono"), QStringLiteral("DejaVu Sans Mono")},
                QFont::Monospace, QFont::DemiBold, size);
}

QFont placeholder(qreal size) {
    return font({QStringLiteral("JetBrains Mono"), QStringLiteral("DejaVu Sans Mono")},
                QFont::Monospace, QFont::Normal, size);
}

QFont page(qreal size, bool bold) {
    QFont page = font({QStringLiteral("Noto Serif"), QStringLiteral("DejaVu Serif")}, QFont::Serif,
                      bold ? QFont::Bold : QFont::Normal, size);
    // A book has tens of thousands of distinct words to measure; without kerning and ligatures
    // simple scripts measure several times faster, and scripts that need shaping still get it.
    page.setStyleStrategy(QFont::PreferNoShaping);
    return page;
}

} // namespace velora::ReaderFonts
