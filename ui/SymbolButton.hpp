#pragma once

#include <QPalette>
#include <QToolButton>
#include <string>

namespace velora {

// A flat button showing a symbol in one of its palette colours, redrawn when the palette changes.
// It takes focus from the keyboard only, so a click leaves the reader's keys with the reader.
// The object name is the symbol's name.
class SymbolButton : public QToolButton {
public:
    SymbolButton(std::string name, QPalette::ColorRole role, const QString& help, int iconSize,
                 QWidget* parent = nullptr);

    void setSymbol(std::string name);
    // The tooltip, and the name a screen reader says without the key hint: "Close (Esc)" is
    // spoken "Close".
    void setHelp(const QString& help);

protected:
    void changeEvent(QEvent* event) override;

private:
    void draw();

    std::string name_;
    QPalette::ColorRole role_;
};

} // namespace velora
