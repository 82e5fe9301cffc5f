#include "ui/Fade.hpp"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QWidget>

namespace velora {

namespace {

const char* const fadeName = "velora-fade";

// The opacity effect is only there while a fade runs: left in place, it would render the
// widget's whole subtree off screen on every paint.
void settle(QWidget& widget, bool visible) {
    if (qobject_cast<QGraphicsOpacityEffect*>(widget.graphicsEffect()) != nullptr) {
        widget.setGraphicsEffect(nullptr);
    }
    widget.setVisible(visible);
}

} // namespace

void fade(QWidget& widget, bool visible, std::chrono::milliseconds duration,
          QEasingCurve::Type curve) {
    auto* running = widget.findChild<QPropertyAnimation*>(fadeName, Qt::FindDirectChildrenOnly);
    double from = visible ? 0.0 : 1.0;
    if (running != nullptr) {
        from = running->currentValue().toDouble();
        // Stopped without its end: the replacing fade decides what happens.
        running->disconnect();
        running->stop();
        delete running;
    } else if (widget.isHidden() != visible) {
        // Already where it should be, and nothing is moving.
        return;
    }
    if (duration.count() <= 0) {
        settle(widget, visible);
        return;
    }
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget.graphicsEffect());
    if (effect == nullptr) {
        // Another kind of effect is the widget's own: no fade then.
        if (widget.graphicsEffect() != nullptr) {
            widget.setVisible(visible);
            return;
        }
        effect = new QGraphicsOpacityEffect(&widget);
        widget.setGraphicsEffect(effect);
    }
    effect->setOpacity(from);
    widget.setVisible(true);
    auto* animation = new QPropertyAnimation(effect, "opacity", &widget);
    animation->setObjectName(fadeName);
    animation->setDuration(static_cast<int>(duration.count()));
    animation->setStartValue(from);
    animation->setEndValue(visible ? 1.0 : 0.0);
    animation->setEasingCurve(curve);
    QObject::connect(animation, &QPropertyAnimation::finished, &widget,
                     [&widget, animation, visible] {
                         animation->deleteLater();
                         animation->setObjectName({});
                         settle(widget, visible);
                     });
    animation->start();
}

} // namespace velora
