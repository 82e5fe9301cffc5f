#pragma once

namespace velora {

// Sends the desktop's copy key stroke to the window that has keyboard focus, as if typed.
class KeyEventPoster {
public:
    virtual ~KeyEventPoster();

    // Whether a copy stroke would reach a program that copies with it. Never true for a
    // terminal, where Ctrl+C interrupts the running job, nor for this program's own windows.
    virtual bool focusTakesCopyStroke() const = 0;
    // Returns at once; the stroke reaches the front application through the event system.
    virtual void postCopyStroke() = 0;
};

} // namespace velora
