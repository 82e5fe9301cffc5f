#include "ui/SymbolLabel.hpp"

#include "ui/Symbols.hpp"

namespace velora {

SymbolLabel::SymbolLabel(std::string name, QPalette::ColorRole role, int size, QWidget* parent)
    : SymbolWidget(role, parent), size_(size) {
    setFixedSize(size, size);
    setSymbol(std::move(name));
}

SymbolLabel::SymbolLabel(std::string name, const QColor& colour, int size, QWidget* parent)
    : SymbolLabel(std::move(name), QPalette::WindowText, size, parent) {
    setColour(colour);
}

SymbolLabel* SymbolLabel::mark(int size, QWidget* parent) {
    return new SymbolLabel("veloramac", QColor(), size, parent);
}

void SymbolLabel::draw() {
    setPixmap(Symbols::pixmap(symbol(), QSize(size_, size_), symbolColour(), devicePixelRatioF()));
}

} // namespace velora
