#include "ui/Backdrop.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace velora {

Backdrop::Backdrop(QWidget* card, std::function<void()> onTap, QWidget* parent)
    : QWidget(parent), card_(card), onTap_(std::move(onTap)) {
    card_->setParent(this);
}

void Backdrop::animateCard(bool entering, std::chrono::milliseconds duration,
                           std::function<void()> done) {
    delete scaling_;
    snapshot_ = card_->grab();
    card_->hide();
    auto* animation = new QVariantAnimation(this);
    scaling_ = animation;
    animation->setDuration(static_cast<int>(duration.count()));
    animation->setStartValue(entering ? enteringScale : 1.0);
    animation->setEndValue(entering ? 1.0 : enteringScale);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        scale_ = value.toDouble();
        update();
    });
    connect(animation, &QVariantAnimation::finished, this,
            [this, animation, done = std::move(done)] {
                animation->deleteLater();
                snapshot_ = QPixmap();
                card_->show();
                update();
                if (done) {
                    done();
                }
            });
    scale_ = animation->startValue().toDouble();
    animation->start();
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 89));
    if (!snapshot_.isNull()) {
        QRectF bounds(QPointF(), QSizeF(card_->size()) * scale_);
        bounds.moveCenter(QRectF(card_->geometry()).center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(bounds, snapshot_, QRectF(snapshot_.rect()));
    }
}

void Backdrop::resizeEvent(QResizeEvent*) {
    const QSize room = (size() - QSize(2 * margin, 2 * margin)).expandedTo(QSize(0, 0));
    QRect bounds(QPoint(), card_->maximumSize().boundedTo(room));
    bounds.moveCenter(rect().center());
    card_->setGeometry(bounds);
}

void Backdrop::mousePressEvent(QMouseEvent* event) {
    if (!card_->geometry().contains(event->position().toPoint())) {
        onTap_();
    }
}

} // namespace velora
