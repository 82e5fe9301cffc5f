#pragma once

#include "ui/SymbolWidget.hpp"

#include <QLabel>
#include <string>

namespace velora {

// A symbol shown as a fixed-size image.
class SymbolLabel : public SymbolWidget<QLabel> {
public:
    SymbolLabel(std::string name, QPalette::ColorRole role, int size, QWidget* parent = nullptr);
    // A colour of its own instead of a palette role.
    SymbolLabel(std::string name, const QColor& colour, int size, QWidget* parent = nullptr);
    // The program's mark, in its own colours.
    static SymbolLabel* mark(int size, QWidget* parent);

protected:
    void draw() override;

private:
    int size_;
};

} // namespace velora
