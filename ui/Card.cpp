#include "ui/Card.hpp"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace velora {

namespace {
constexpr double cornerRadius = 16.0;
}

void decorateCard(QWidget& card, int width, int height) {
    card.setFixedSize(width, height);
    card.setAttribute(Qt::WA_StyledBackground, false);
    auto* shadow = new QGraphicsDropShadowEffect(&card);
    shadow->setBlurRadius(30);
    shadow->setOffset(0, 8);
    shadow->setColor(QColor(0, 0, 0, 84));
    card.setGraphicsEffect(shadow);
}

void paintCard(QWidget& card, QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(card.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(bounds, cornerRadius, cornerRadius);
    QColor surface = card.palette().color(QPalette::Window);
    surface.setAlphaF(0.96);
    painter.fillPath(shape, surface);
    QColor edge(255, 255, 255);
    edge.setAlphaF(0.08);
    painter.setPen(QPen(edge, 1.0));
    painter.drawPath(shape);
}

} // namespace velora
