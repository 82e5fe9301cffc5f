#pragma once

#include "app/platform/KeyEventPoster.hpp"
#include "platform/x11/X11Session.hpp"

namespace velora {

// Control-C through XTest to the window with keyboard focus. Posts nothing without the XTEST
// extension. Terminals are recognised by their window class.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    explicit X11KeyEventPoster(X11Session session) : session_(session) {}

    bool focusTakesCopyStroke() const override;
    void postCopyStroke() override;

private:
    X11Session session_;
};

} // namespace velora
