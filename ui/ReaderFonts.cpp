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

// Asked for by name, before the system's own fallback, so that every script shows in a face
// drawn for it rather than whatever the system finds first, or in boxes.
const QStringList sansFallbacks{
    QStringLiteral("Noto Sans Arabic"),     QStringLiteral("Noto Sans Hebrew"),
    QStringLiteral("Noto Sans Devanagari"), QStringLiteral("Noto Sans Bengali"),
    QStringLiteral("Noto Sans Thai"),       QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Noto Sans CJK JP"),
};
const QStringList serifFallbacks{
    QStringLiteral("Noto Naskh Arabic"),     QStringLiteral("Noto Serif Hebrew"),
    QStringLiteral("Noto Serif Devanagari"), QStringLiteral("Noto Serif Bengali"),
    QStringLiteral("Noto Serif Thai"),       QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Noto Serif CJK JP"),
};

QFont font(const QStringList& families, QFont::StyleHint hint, QFont::Weight weight, qreal size) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setWeight(weight);
    font.setPixelSize(pixels(size));
    // No kerning or ligatures where a script does not need them: the focus face keeps every
    // letter at its own advance (its programming ligatures would merge letters such as "www"),
    // and a book's many distinct words measure several times faster. Text that needs shaping
    // gets it through forText.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The script faces come before the second monospace face, whose Arabic and Hebrew are squeezed
// into equal advances.
QStringList monospace() {
    return QStringList{QStringLiteral("JetBrains Mono")} + sansFallbacks +
           QStringList{QStringLiteral("DejaVu Sans Mono")};
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
    return font(withReadingFamily(monospace()), QFont::Monospace, QFont::DemiBold, size);
}

QFont placeholder(qreal size) {
    return font(monospace(), QFont::Monospace, QFont::Normal, size);
}

QFont page(qreal size, bool bold) {
    return font(withReadingFamily(
                    QStringList{QStringLiteral("Noto Serif"), QStringLiteral("DejaVu Serif")} +
                    serifFallbacks),
                QFont::Serif, bold ? QFont::Bold : QFont::Normal, size);
}

bool needsShaping(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        // Dashes, quotes and the ellipsis draw alike either way; Hebrew is where the
        // right-to-left and joined scripts begin.
        const bool punctuation = u >= 0x2010 && u <= 0x2027;
        return (u >= 0x0590 && !punctuation) || c.isMark();
    });
}

QFont shaped(const QFont& font) {
    QFont result = font;
    result.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
    return result;
}

QFont forText(const QFont& font, QStringView text) {
    return needsShaping(text) ? shaped(font) : font;
}

} // namespace velora::ReaderFonts
