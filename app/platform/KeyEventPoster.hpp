#pragma once

namespace velora {

// Sends the desktop's copy key stroke to the window that has keyboard focus, as if typed.
class KeyEventPoster {
public:
    virtual ~KeyEventPoster();

    // Returns at once; the stroke reaches the front application through the event system.
    virtual void postCopyStroke() = 0;
};

} // namespace velora
