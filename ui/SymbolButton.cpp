#include "ui/SymbolButton.hpp"

#include "ui/Symbols.hpp"

#include <QEvent>

namespace velora {

SymbolButton::SymbolButton(std::string name, QPalette::ColorRole role, const QString& help,
                           int iconSize, QWidget* parent)
    : QToolButton(parent), role_(role) {
    setAutoRaise(true);
    setToolTip(help);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(iconSize, iconSize));
    setSymbol(std::move(name));
}

void SymbolButton::setSymbol(std::string name) {
    name_ = std::move(name);
    setObjectName(QString::fromStdString(name_));
    draw();
}

void SymbolButton::changeEvent(QEvent* event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        draw();
    }
}

void SymbolButton::draw() {
    setIcon(Symbols::icon(name_, palette().color(role_)));
}

} // namespace velora
