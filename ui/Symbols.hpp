#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <string_view>

namespace velora::Symbols {

// The program's own line icons, named like the symbols the views ask for ("play.circle.fill").
// Each is drawn in one colour, so it suits light and dark themes alike.

bool contains(std::string_view name);
// Sharp at every size and device pixel ratio; disabled states are drawn faded. An unknown name
// gives a null icon.
QIcon icon(std::string_view name, const QColor& color);
// The program's own mark in its own colours: the tray, the panel's title, the About tab and the
// desktop icon all show this one drawing.
QIcon mark();
// A null pixmap for an unknown name.
QPixmap pixmap(std::string_view name, QSize size, const QColor& color, qreal devicePixelRatio = 1);

} // namespace velora::Symbols
