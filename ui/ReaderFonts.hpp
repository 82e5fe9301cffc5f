#pragma once

#include <QFont>

namespace velora::ReaderFonts {

// Semibold with letters of equal advance, so the pivot letter keeps its width from word to word.
QFont focusWord(qreal size);
// The "Ready" placeholder of the focus view.
QFont placeholder(qreal size);
// The running text of the flow page.
QFont page(qreal size, bool bold);

} // namespace velora::ReaderFonts
