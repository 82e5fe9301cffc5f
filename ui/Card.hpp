#pragma once

class QWidget;
class QPainter;

namespace velora {

// The floating card look of the overlays: a rounded, nearly opaque surface with a faint light
// edge and a soft shadow below.
void decorateCard(QWidget& card, int width, int height);
void paintCard(QWidget& card, QPainter& painter);

} // namespace velora
