#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <optional>
#include <string>

namespace velora {

// A symbol shown as a fixed-size image in one of the widget's palette colours, drawn again when
// the palette changes, so it follows the theme. The object name is the symbol's name.
class SymbolLabel : public QLabel {
public:
    SymbolLabel(std::string name, QPalette::ColorRole role, int size, QWidget* parent = nullptr);
    // A colour of its own instead of a palette role.
    SymbolLabel(std::string name, const QColor& colour, int size, QWidget* parent = nullptr);
    // The program's mark, in its own colours.
    static SymbolLabel* mark(int size, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void draw();

    std::string name_;
    QPalette::ColorRole role_;
    std::optional<QColor> colour_;
    int size_;
};

} // namespace velora
