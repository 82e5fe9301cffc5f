#include "ui/KeysCard.hpp"

#include "ui/Card.hpp"
#include "ui/TextStyle.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace velora {

KeysCard::KeysCard(const KeyTable& keys, QWidget* parent)
    : QWidget(parent), close_(new SymbolButton("xmark.circle.fill", QPalette::PlaceholderText,
                                               tr("Close (Esc)"), 20, this)) {
    decorateCard(*this, 420, 460);
    const CardBody body = layOutCard(*this, "keyboard", tr("Keyboard shortcuts"), close_);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    int row = 0;
    for (const KeyTable::Binding& binding : keys.bindings()) {
        QLabel* keysLabel = styledLabel(KeyTable::keysText(binding), TextStyle::callout,
                                        Tone::primary, body.content, true);
        QLabel* name = styledLabel(binding.name, TextStyle::callout, Tone::primary, body.content);
        name->setWordWrap(true);
        grid->addWidget(keysLabel, row, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(name, row, 1, Qt::AlignTop);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    body.column->addLayout(grid);
    body.column->addStretch();
    connect(close_, &QToolButton::clicked, this, &KeysCard::closeRequested);
}

void KeysCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCard(*this, painter);
}

} // namespace velora
