#pragma once

#include <QFont>
#include <QStringView>

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

// Whether `text` must be shaped to read right: joined or right-to-left letters, marks, and
// whatever lies beyond the Latin, Greek and Cyrillic letters.
bool needsShaping(QStringView text);
// `font` with shaping: the reading fonts skip it for speed where it changes nothing.
QFont shaped(const QFont& font);
// `font` as it must draw `text`.
QFont forText(const QFont& font, QStringView text);

} // namespace velora::ReaderFonts
