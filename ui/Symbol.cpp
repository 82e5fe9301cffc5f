#include "ui/Symbol.hpp"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace velora {

QIcon symbolIcon(const QString& name, const QColor& color, int size) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    if (!QFile::exists(path)) {
        return {};
    }
    const QIcon source(path);
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
