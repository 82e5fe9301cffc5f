#pragma once

#include <QSlider>

namespace velora {

// A horizontal slider drawn in the theme's colours: the track in the quieter text colour, the
// part already covered in the accent, the knob in the text colour. The desktop's own slider
// draws its track from the window colour, which vanishes on a black page. A press on the track
// moves the knob there and holds it, as a position bar does; the desktop's slider would only
// step a page towards it (a thousandth of a long text).
class TrackSlider : public QSlider {
public:
    explicit TrackSlider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velora
