#pragma once

#include <QString>
#include <QStringList>

class QMenu;
class QWidget;

namespace velora::testing {

// Every text a user can read in `root` and below, each prefixed with where it shows ("QLabel
// text: ..."): labels, buttons, group and tab titles, list entries, spin box prefixes, tooltips,
// accessible names and descriptions, window titles. The words being read are left out: they are
// the user's own text.
QStringList shownTexts(const QWidget& root);
QStringList menuTexts(const QMenu& menu);

} // namespace velora::testing
