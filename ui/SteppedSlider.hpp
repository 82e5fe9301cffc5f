#pragma once

#include "ui/TrackSlider.hpp"

namespace velora {

// A horizontal slider over [minimum, maximum] that only takes whole steps. It shows values
// clamped into its range and reports only the user's moves, never what it was told to show.
class SteppedSlider : public TrackSlider {
    Q_OBJECT

public:
    SteppedSlider(double minimum, double maximum, double step, QWidget* parent = nullptr);

    double minimumValue() const { return minimum_; }
    double maximumValue() const { return maximum_; }
    double currentValue() const;
    // Moves the knob to the nearest step of the clamped value, without reporting it.
    void showValue(double value);

signals:
    void valueEdited(double value);

private:
    double valueAt(int position) const;

    double minimum_;
    double maximum_;
    double step_;
    // Values are computed as whole numbers divided by this, so 0.1 steps give 1.3, not
    // 1.3000000000000003.
    double scale_;
};

} // namespace velora
