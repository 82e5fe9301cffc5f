#include "ui/SymbolLabel.hpp"

#include "ui/Symbols.hpp"

#include <QLabel>

namespace velora {

QLabel* symbolLabel(std::string_view name, const QColor& color, int size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    label->setPixmap(Symbols::pixmap(name, QSize(size, size), color, label->devicePixelRatioF()));
    label->setFixedSize(size, size);
    return label;
}

} // namespace velora
