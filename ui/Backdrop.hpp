#pragma once

#include <QPixmap>
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>
#include <chrono>
#include <functional>

namespace velora {

// Black at 35% over the whole view, holding one card in its centre; a press beside the card
// closes the overlay.
class Backdrop final : public QWidget {
public:
    Backdrop(QWidget* card, std::function<void()> onTap, QWidget* parent);

    // The card enters and leaves scaled from 0.96 about its centre while the backdrop fades.
    // Widgets cannot be scaled, so a snapshot of the card stands in for it meanwhile; `done` runs
    // once the card itself is back.
    void animateCard(bool entering, std::chrono::milliseconds duration,
                     std::function<void()> done = {});

    QWidget& card() const { return *card_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static constexpr double enteringScale = 0.96;
    // Kept free around a card that has to shrink to fit.
    static constexpr int margin = 12;

    QWidget* card_;
    std::function<void()> onTap_;
    QPointer<QVariantAnimation> scaling_;
    QPixmap snapshot_;
    double scale_ = 1.0;
};

} // namespace velora
