#pragma once

#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QString>
#include <optional>
#include <string>

namespace velora {

// A widget showing a symbol in one of its palette colours, or in a colour of its own, drawn
// again when the palette changes so that it follows the theme. The object name is the symbol's
// name. `Widget` is the Qt widget that shows the drawing; draw() hands it over.
template <typename Widget> class SymbolWidget : public Widget {
public:
    void setSymbol(std::string name) {
        name_ = std::move(name);
        this->setObjectName(QString::fromStdString(name_));
        draw();
    }

protected:
    SymbolWidget(QPalette::ColorRole role, QWidget* parent) : Widget(parent), role_(role) {}

    // An invalid colour leaves the drawing its own colours.
    void setColour(const QColor& colour) {
        colour_ = colour;
        draw();
    }
    const std::string& symbol() const { return name_; }
    QColor symbolColour() const { return colour_.value_or(this->palette().color(role_)); }

    virtual void draw() = 0;

    void changeEvent(QEvent* event) override {
        Widget::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            draw();
        }
    }

private:
    std::string name_;
    QPalette::ColorRole role_;
    std::optional<QColor> colour_;
};

} // namespace velora
