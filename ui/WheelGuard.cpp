#include "ui/WheelGuard.hpp"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

namespace velora {

void WheelGuard::install(QWidget& control) {
    control.installEventFilter(new WheelGuard(&control));
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) {
        return false;
    }
    auto* control = static_cast<QWidget*>(watched);
    if (control->hasFocus()) {
        return false;
    }
    for (QWidget* above = control->parentWidget(); above != nullptr;
         above = above->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(above)) {
            QCoreApplication::sendEvent(area->viewport(), event);
            break;
        }
    }
    return true;
}

} // namespace velora
