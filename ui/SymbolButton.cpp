#include "ui/SymbolButton.hpp"

#include "ui/Symbols.hpp"

namespace velora {

SymbolButton::SymbolButton(std::string name, QPalette::ColorRole role, const QString& help,
                           int iconSize, QWidget* parent)
    : SymbolWidget(role, parent) {
    setAutoRaise(true);
    setHelp(help);
    setFocusPolicy(Qt::TabFocus);
    setIconSize(QSize(iconSize, iconSize));
    setSymbol(std::move(name));
}

void SymbolButton::setHelp(const QString& help) {
    setToolTip(help);
    const qsizetype hint =
        help.endsWith(QLatin1Char(')')) ? help.lastIndexOf(QStringLiteral(" (")) : -1;
    setAccessibleName(hint > 0 ? help.left(hint) : help);
}

void SymbolButton::draw() {
    setIcon(Symbols::icon(symbol(), symbolColour()));
}

} // namespace velora
