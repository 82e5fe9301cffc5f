#pragma once

#include <QFont>

namespace velora::ReaderFonts {

// The family the user chose for reading, ahead of the built-in ones in the word and page fonts;
// empty for those alone. Answers whether it changed.
bool setReadingFamily(const QString& family);

// Semibold with letters of equal advance, so the pivot letter keeps its width from word to word.
QFont focusWord(qreal size);
// The "Ready" placeholder of the focus view.
QFont placeholder(qreal size);
// The running text of the flow page.
QFont page(qreal size, bool bold);

} // namespace velora::ReaderFonts
