#pragma once

#include "ui/SymbolWidget.hpp"

#include <QToolButton>
#include <string>

namespace velora {

// A flat symbol button. It takes focus from the keyboard only, so a click leaves the reader's
// keys with the reader.
class SymbolButton : public SymbolWidget<QToolButton> {
public:
    SymbolButton(std::string name, QPalette::ColorRole role, const QString& help, int iconSize,
                 QWidget* parent = nullptr);

    // The tooltip, and the name a screen reader says without the key hint: "Close (Esc)" is
    // spoken "Close".
    void setHelp(const QString& help);

protected:
    void draw() override;
};

} // namespace velora
