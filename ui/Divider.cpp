#include "ui/Divider.hpp"

#include <QPainter>

namespace velora {

Divider::Divider(double opacity, QWidget* parent) : QWidget(parent), opacity_(opacity) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent*) {
    QColor colour = palette().color(QPalette::WindowText);
    colour.setAlphaF(colour.alphaF() * opacity_);
    QPainter(this).fillRect(rect(), colour);
}

} // namespace velora
