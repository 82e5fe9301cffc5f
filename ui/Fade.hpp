#pragma once

#include <QEasingCurve>
#include <chrono>

class QWidget;

namespace velora {

// Shows or hides a widget by fading it; a zero duration shows or hides it at once. A fade out
// hides the widget when it ends. A new fade replaces one still running, starting from the
// opacity reached.
void fade(QWidget& widget, bool visible, std::chrono::milliseconds duration,
          QEasingCurve::Type curve = QEasingCurve::InOutQuad);

} // namespace velora
