#pragma once

#include "app/platform/KeyEventPoster.hpp"

#include <functional>

namespace velora::fakes {

// Counts copy strokes and lets the test play the front application's answer to each.
class RecordingKeyEventPoster final : public KeyEventPoster {
public:
    bool focusTakesCopyStroke() const override { return focusTakesStroke; }
    void postCopyStroke() override {
        ++strokes;
        if (onStroke) {
            onStroke();
        }
    }

    bool focusTakesStroke = true;
    int strokes = 0;
    std::function<void()> onStroke;
};

} // namespace velora::fakes
