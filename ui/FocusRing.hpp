#pragma once

#include <QFocusFrame>

namespace velora {

// A ring in the accent colour around whichever control inside `scope` has keyboard focus. The
// desktop's own focus marks are faint or missing on custom-painted controls and dark themes.
class FocusRing final : public QFocusFrame {
public:
    explicit FocusRing(QWidget& scope);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focus);

    QWidget& scope_;
};

} // namespace velora
