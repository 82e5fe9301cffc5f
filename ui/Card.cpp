#include "ui/Card.hpp"

#include "ui/Divider.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace velora {

namespace {
constexpr double cornerRadius = 16.0;
}

void decorateCard(QWidget& card, int width, int height) {
    // Its full size where there is room; smaller panels get a smaller card that scrolls.
    card.setMaximumSize(width, height);
    card.resize(width, height);
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

CardBody layOutCard(QWidget& card, const char* symbol, const QString& title, QWidget* close) {
    auto* outer = new QVBoxLayout(&card);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(18, 14, 18, 14);
    header->setSpacing(6);
    header->addWidget(new SymbolLabel(symbol, QPalette::WindowText, 18, &card));
    header->addWidget(styledLabel(title, TextStyle::headline, Tone::primary, &card));
    header->addStretch();
    header->addWidget(close);
    outer->addLayout(header);
    outer->addWidget(new Divider(0.4, &card));

    auto* scroll = new QScrollArea(&card);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The wheel and the scroll bar move it; Tab goes to the controls inside.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(20);
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    return {scroll, content, column};
}

} // namespace velora
