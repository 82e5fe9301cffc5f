#pragma once

#include <QFont>

class QLabel;
class QString;
class QWidget;

namespace velora {

// The handful of text sizes the views use, relative to the desktop's own font.
enum class TextStyle { title2, title3, headline, callout, caption, caption2 };

QFont textFont(TextStyle style, const QFont& base);
void applyTextStyle(QWidget& widget, TextStyle style, bool bold = false);

enum class Tone { primary, secondary };
QLabel* styledLabel(const QString& text, TextStyle style, Tone tone, QWidget* parent,
                    bool bold = false);

} // namespace velora
