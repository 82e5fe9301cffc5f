#include "ui/SymbolButton.hpp"

#include "ui/Symbols.hpp"

#include <QEvent>

namespace velora {

SymbolButton::SymbolButton(std::string name, QPalette::ColorRole role, const QString& help,
                           int iconSize, QWidget* parent)
    : QToolButton(parent), role_(role) {
    setAutoRaise(true);
    setHelp(help);
    setFocusPolicy(Qt::TabFocus);
    setIconSize(QSize(iconSize, iconSize));
    setSymbol(std::move(name));
}

void SymbolButton::setSymbol(std::string name) {
    name_ = std::move(name);
    setObjectName(QString::fromStdString(name_));
    draw();
}

void SymbolButton::setHelp(const QString& help) {
    setToolTip(help);
    const qsizetype hint =
        help.endsWith(QLatin1Char(')')) ? help.lastIndexOf(QStringLiteral(" (")) : -1;
    setAccessibleName(hint > 0 ? help.left(hint) : help);
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
