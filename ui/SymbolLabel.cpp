#include "ui/SymbolLabel.hpp"

#include "ui/Symbols.hpp"

#include <QEvent>

namespace velora {

SymbolLabel::SymbolLabel(std::string name, QPalette::ColorRole role, int size, QWidget* parent)
    : QLabel(parent), name_(std::move(name)), role_(role), size_(size) {
    setObjectName(QString::fromStdString(name_));
    setFixedSize(size, size);
    draw();
}

SymbolLabel::SymbolLabel(std::string name, const QColor& colour, int size, QWidget* parent)
    : SymbolLabel(std::move(name), QPalette::WindowText, size, parent) {
    colour_ = colour;
    draw();
}

SymbolLabel* SymbolLabel::mark(int size, QWidget* parent) {
    // No colour: the drawing keeps its own.
    return new SymbolLabel("veloramac", QColor(), size, parent);
}

void SymbolLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        draw();
    }
}

void SymbolLabel::draw() {
    setPixmap(Symbols::pixmap(name_, QSize(size_, size_), colour_.value_or(palette().color(role_)),
                              devicePixelRatioF()));
}

} // namespace velora
