#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QLabel;
class QWidget;

namespace velora {

// The line icon named like a system symbol ("books.vertical"), drawn in one colour so it reads
// on every theme. A name without an icon gives an empty icon.
QIcon symbolIcon(const QString& name, const QColor& color, int size = 20);
QLabel* symbolLabel(const QString& name, const QColor& color, int size, QWidget* parent);

} // namespace velora
