#include "ui/Motion.hpp"

#include <QPointF>
#include <cmath>

namespace velora::Motion {

namespace {

QEasingCurve bezier(QPointF first, QPointF second) {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(first, second, QPointF(1, 1));
    return curve;
}

} // namespace

QEasingCurve easeOut() {
    return bezier(QPointF(0, 0), QPointF(0.58, 1));
}

QEasingCurve easeInOut() {
    return bezier(QPointF(0.42, 0), QPointF(0.58, 1));
}

int milliseconds(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000));
}

} // namespace velora::Motion
