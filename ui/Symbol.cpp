#include "ui/Symbol.hpp"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace velora {

QIcon symbolIcon(const QString& name, const QColor& color, int size) {
    const QIcon source(QStringLiteral(":/icons/%1.svg").arg(name));
    if (source.isNull()) {
        return {};
    }
    // Drawn at twice the size so it stays sharp on dense screens.
    QPixmap pixmap = source.pixmap(QSize(size, size) * 2);
    if (pixmap.isNull()) {
        return {};
    }
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    painter.end();
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

QLabel* symbolLabel(const QString& name, const QColor& color, int size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(symbolIcon(name, color, size).pixmap(size, size));
    label->setFixedSize(size, size);
    return label;
}

} // namespace velora
