#pragma once

#include "app/ScheduledTask.hpp"
#include "app/platform/Scheduler.hpp"

#include <QEasingCurve>
#include <QObject>
#include <chrono>
#include <vector>

class QWidget;

namespace velora {

// The panel's controls around the text. In a window they always show; in full screen they fade
// out once the pointer has rested over the view for hideDelay, and come back when it moves.
class ReaderChrome final : public QObject {
public:
    static constexpr Scheduler::Seconds hideDelay{2.5};

    // `parts` fade together; `status` with them, but only while it has something to say.
    ReaderChrome(QWidget& view, Scheduler& scheduler, std::vector<QWidget*> parts, QWidget& status);

    // The window that holds the view owns the full-screen state; this follows it.
    bool isFullScreen() const { return fullScreen_; }
    void setFullScreen(bool fullScreen);
    void setStatusShown(bool shown);
    // Shows the chrome; in full screen it hides again after hideDelay without movement.
    void reveal();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update(std::chrono::milliseconds duration,
                QEasingCurve::Type curve = QEasingCurve::InOutQuad);

    QWidget& view_;
    std::vector<QWidget*> parts_;
    QWidget& status_;
    ScheduledTask hideTask_;
    bool fullScreen_ = false;
    bool visible_ = true;
    bool statusShown_ = false;
};

} // namespace velora
