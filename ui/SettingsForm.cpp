#include "ui/SettingsForm.hpp"

#include "ui/TextStyle.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velora {

QGroupBox* group(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    new QFormLayout(box);
    return box;
}

QFormLayout* form(QGroupBox* box) {
    return static_cast<QFormLayout*>(box->layout());
}

QLabel* note(const QString& text, QWidget* parent) {
    QLabel* label = styledLabel(text, TextStyle::caption, Tone::secondary, parent);
    label->setWordWrap(true);
    return label;
}

QWidget* page(std::initializer_list<QWidget*> sections) {
    auto* scroll = new QScrollArea;
    fillPage(*scroll, sections);
    return scroll;
}

void fillPage(QScrollArea& scroll, std::initializer_list<QWidget*> sections) {
    scroll.setWidgetResizable(true);
    scroll.setFrameShape(QFrame::NoFrame);
    scroll.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(&scroll);
    auto* column = new QVBoxLayout(content);
    for (QWidget* section : sections) {
        section->setParent(content);
        column->addWidget(section);
    }
    column->addStretch();
    scroll.setWidget(content);
}

} // namespace velora
