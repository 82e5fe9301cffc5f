#include "ui/TextStyle.hpp"

#include <QLabel>
#include <QWidget>

namespace velora {

QFont textFont(TextStyle style, const QFont& base) {
    QFont font = base;
    const double size = base.pointSizeF() > 0 ? base.pointSizeF() : 10.0;
    switch (style) {
    case TextStyle::title2:
        font.setPointSizeF(size * 1.6);
        break;
    case TextStyle::title3:
        font.setPointSizeF(size * 1.35);
        break;
    case TextStyle::headline:
        font.setPointSizeF(size * 1.1);
        font.setWeight(QFont::DemiBold);
        break;
    case TextStyle::callout:
        font.setPointSizeF(size);
        break;
    case TextStyle::caption:
        font.setPointSizeF(size * 0.88);
        break;
    case TextStyle::caption2:
        font.setPointSizeF(size * 0.8);
        break;
    }
    return font;
}

void applyTextStyle(QWidget& widget, TextStyle style, bool bold) {
    QFont font = textFont(style, widget.font());
    if (bold) {
        font.setBold(true);
    }
    widget.setFont(font);
}

QLabel* styledLabel(const QString& text, TextStyle style, Tone tone, QWidget* parent, bool bold) {
    auto* label = new QLabel(text, parent);
    applyTextStyle(*label, style, bold);
    if (tone == Tone::secondary) {
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    return label;
}

} // namespace velora
