#pragma once

#include "ui/KeyTable.hpp"
#include "ui/SymbolButton.hpp"

#include <QWidget>

namespace velora {

// The card that lists the reader's keys, straight from its key table.
class KeysCard final : public QWidget {
    Q_OBJECT

public:
    explicit KeysCard(const KeyTable& keys, QWidget* parent = nullptr);

    QToolButton& closeButton() { return *close_; }

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SymbolButton* close_;
};

} // namespace velora
