#include "ui/ReaderChrome.hpp"

#include "ui/Fade.hpp"

#include <QEvent>
#include <QWidget>

namespace velora {

namespace {

constexpr std::chrono::milliseconds revealing{150};
constexpr std::chrono::milliseconds hiding{300};

} // namespace

ReaderChrome::ReaderChrome(QWidget& view, Scheduler& scheduler, std::vector<QWidget*> parts,
                           QWidget& status)
    : QObject(&view), view_(view), parts_(std::move(parts)), status_(status), hideTask_(scheduler) {
    view.setAttribute(Qt::WA_Hover);
    view.installEventFilter(this);
}

void ReaderChrome::setFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (fullScreen) {
        reveal();
        return;
    }
    hideTask_.cancel();
    visible_ = true;
    update({});
}

void ReaderChrome::setStatusShown(bool shown) {
    statusShown_ = shown;
    update({});
}

void ReaderChrome::reveal() {
    hideTask_.cancel();
    if (!fullScreen_) {
        visible_ = true;
        update({});
        return;
    }
    if (!visible_) {
        visible_ = true;
        update(revealing, QEasingCurve::OutQuad);
    }
    hideTask_.start(hideDelay, [this] {
        if (fullScreen_) {
            visible_ = false;
            update(hiding);
        }
    });
}

bool ReaderChrome::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ &&
        (event->type() == QEvent::HoverMove || event->type() == QEvent::HoverEnter)) {
        reveal();
    }
    return false;
}

void ReaderChrome::update(std::chrono::milliseconds duration, QEasingCurve::Type curve) {
    const bool shown = !fullScreen_ || visible_;
    for (QWidget* part : parts_) {
        fade(*part, shown, duration, curve);
    }
    fade(status_, shown && statusShown_, duration, curve);
}

} // namespace velora
