#pragma once

#include <QObject>

class QWidget;

namespace velora {

// Turning the wheel over a control that has not been chosen scrolls the card around it instead
// of changing the setting the pointer happens to pass over.
class WheelGuard final : public QObject {
public:
    // Guards `control`; the guard lives as long as it.
    static void install(QWidget& control);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace velora
