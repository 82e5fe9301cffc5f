#include "ui/QuestionLine.hpp"

#include "ui/TextStyle.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velora {

QuestionLine::QuestionLine(const QString& question, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(22, 6, 22, 6);
    row->setSpacing(8);
    QLabel* text = styledLabel(question, TextStyle::callout, Tone::primary, this);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    for (const bool yes : {true, false}) {
        auto* button = new QPushButton(yes ? tr("Yes") : tr("No"), this);
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, yes] {
            hide();
            emit answered(yes);
        });
    }
}

} // namespace velora
