#include "ui/TrackSlider.hpp"

#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace velora {

namespace {
constexpr qreal trackHeight = 4;
constexpr qreal knobDiameter = 14;
constexpr qreal disabledOpacity = 0.4;

class PressWhereSeen final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Slider_AbsoluteSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

TrackSlider::TrackSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    auto* style = new PressWhereSeen;
    style->setParent(this);
    setStyle(style);
}

void TrackSlider::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    // Drawn where the style places its parts, so that presses land where they are seen.
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const qreal middle = QRectF(handle).center().y();
    const qreal left = groove.left() + handle.width() / 2.0;
    const qreal right = std::max(left, groove.right() + 1 - handle.width() / 2.0);
    const qreal knob = QRectF(handle).center().x();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(disabledOpacity);
    }
    painter.setPen(Qt::NoPen);
    const qreal radius = trackHeight / 2;
    painter.setBrush(palette().color(QPalette::PlaceholderText));
    painter.drawRoundedRect(QRectF(left, middle - radius, right - left, trackHeight), radius,
                            radius);
    painter.setBrush(palette().color(QPalette::Highlight));
    // The part passed runs from the start, which a mirrored interface puts on the right.
    const QRectF passed = isRightToLeft() ? QRectF(knob, middle - radius, right - knob, trackHeight)
                                          : QRectF(left, middle - radius, knob - left, trackHeight);
    painter.drawRoundedRect(passed, radius, radius);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawEllipse(QPointF(knob, middle), knobDiameter / 2, knobDiameter / 2);
}

} // namespace velora
