#pragma once

#include <QString>
#include <initializer_list>

class QFormLayout;
class QGroupBox;
class QLabel;
class QScrollArea;
class QWidget;

namespace velora {

// The pieces the settings window's tabs are made of.

// A titled group of form rows.
QGroupBox* group(const QString& title, QWidget* parent);
QFormLayout* form(QGroupBox* box);
// A small explanation under the rows.
QLabel* note(const QString& text, QWidget* parent);
// A tab whose form is taller than the window scrolls instead of squeezing rows.
QWidget* page(std::initializer_list<QWidget*> sections);
void fillPage(QScrollArea& scroll, std::initializer_list<QWidget*> sections);

} // namespace velora
