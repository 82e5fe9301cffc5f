#pragma once

#include <QWidget>

namespace velora {

// A one-pixel rule in the text colour, faded.
class Divider : public QWidget {
public:
    Divider(double opacity, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double opacity_;
};

} // namespace velora
