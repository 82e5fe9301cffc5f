#include "ui/ReaderFonts.hpp"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace velora::ReaderFonts {

namespace {

QString readingFamily;

QStringList withReadingFamily(QStringList families) {
    if (!readingFamily.isEmpty()) {
        families.prepend(readingFamily);
    }
    return families;
}

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
    // No kerning or ligatures where a script does not need them: the focus face keeps every
    // letter at its own advance (its programming ligatures would merge letters such as "www"),
    // and a book's many distinct words measure several times faster. Scripts that need shaping
    // still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

bool setReadingFamily(const QString& family) {
    if (family == readingFamily) {
        return false;
    }
    readingFamily = family;
    return true;
}

QFont focusWord(qreal size) {
    return font(
        withReadingFamily({QStringLiteral("JetBrains Mono"), QStringLiteral("DejaVu Sans Mono")}),
        QFont::Monospace, QFont::DemiBold, size);
}

QFont placeholder(qreal size) {
    return font({QStringLiteral("JetBrains Mono"), QStringLiteral("DejaVu Sans Mono")},
                QFont::Monospace, QFont::Normal, size);
}

QFont page(qreal size, bool bold) {
    return font(withReadingFamily({QStringLiteral("Noto Serif"), QStringLiteral("DejaVu Serif")}),
                QFont::Serif, bold ? QFont::Bold : QFont::Normal, size);
}

} // namespace velora::ReaderFonts
