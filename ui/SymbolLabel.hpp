#pragma once

#include <QColor>
#include <string_view>

class QLabel;
class QWidget;

namespace velora {

// A symbol shown as a fixed-size image, named so tests and styles can find it.
QLabel* symbolLabel(std::string_view name, const QColor& color, int size, QWidget* parent);

} // namespace velora
