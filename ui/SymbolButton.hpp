#pragma once

#include <QPalette>
#include <QToolButton>
#include <string>

namespace velora {

// A flat button showing a symbol in one of its palette colours, redrawn when the palette changes.
// It never takes keyboard focus: Space and Escape belong to the reader. The object name is the
// symbol's name.
class SymbolButton : public QToolButton {
public:
    SymbolButton(std::string name, QPalette::ColorRole role, const QString& help, int iconSize,
                 QWidget* parent = nullptr);

    void setSymbol(std::string name);

protected:
    void changeEvent(QEvent* event) override;

private:
    void draw();

    std::string name_;
    QPalette::ColorRole role_;
};

} // namespace velora
