#pragma once

#include <QString>

class QPainter;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace velora {

// The floating card look of the overlays: a rounded, nearly opaque surface with a faint light
// edge and a soft shadow below, at most `width` by `height`.
void decorateCard(QWidget& card, int width, int height);
void paintCard(QWidget& card, QPainter& painter);

// The overlays' common frame: a header with the symbol, the title and the close button over a
// divider, then a scrolling column that takes the card's content.
struct CardBody {
    QScrollArea* scroll;
    QWidget* content;
    QVBoxLayout* column;
};
CardBody layOutCard(QWidget& card, const char* symbol, const QString& title, QWidget* close);

} // namespace velora
