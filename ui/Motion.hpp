#pragma once

#include <QEasingCurve>

namespace velora::Motion {

// The standard timing curves, as cubic Béziers through (0, 0) and (1, 1).
QEasingCurve easeOut();
QEasingCurve easeInOut();

// Milliseconds of a duration given in seconds.
int milliseconds(double seconds);

} // namespace velora::Motion
