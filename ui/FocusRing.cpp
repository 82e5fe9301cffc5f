#include "ui/FocusRing.hpp"

#include <QApplication>
#include <QPainter>

namespace velora {

namespace {
constexpr qreal ringWidth = 2;
}

FocusRing::FocusRing(QWidget& scope) : QFocusFrame(&scope), scope_(scope) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focus) {
    const bool control = focus != nullptr && focus != &scope_ && scope_.isAncestorOf(focus);
    setWidget(control ? focus : nullptr);
    if (control) {
        // The ring takes the colours of the control it surrounds, which follow the theme.
        setPalette(focus->palette());
    }
}

void FocusRing::paintEvent(QPaintEvent*) {
    if (widget() == nullptr) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), ringWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = ringWidth / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 5, 5);
}

} // namespace velora
