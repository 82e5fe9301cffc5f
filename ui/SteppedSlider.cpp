#include "ui/SteppedSlider.hpp"

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace velora {

SteppedSlider::SteppedSlider(double minimum, double maximum, double step, QWidget* parent)
    : TrackSlider(parent), minimum_(minimum), maximum_(std::max(minimum, maximum)), step_(step),
      scale_(step < 1.0 ? std::round(1.0 / step) : 1.0) {
    setRange(0, static_cast<int>(std::lround((maximum_ - minimum_) / step_)));
    setSingleStep(1);
    setPageStep(std::max(1, QSlider::maximum() / 10));
    connect(this, &QSlider::valueChanged, this,
            [this](int position) { emit valueEdited(valueAt(position)); });
}

double SteppedSlider::currentValue() const {
    return valueAt(value());
}

void SteppedSlider::showValue(double value) {
    const QSignalBlocker blocker(this);
    const double clamped = std::isnan(value) ? minimum_ : std::clamp(value, minimum_, maximum_);
    setValue(static_cast<int>(std::lround((clamped - minimum_) / step_)));
}

double SteppedSlider::valueAt(int position) const {
    return (std::round(minimum_ * scale_) + position * std::round(step_ * scale_)) / scale_;
}

} // namespace velora
