#pragma once

#include "app/platform/KeyEventPoster.hpp"

namespace velora {

// Control-C through XTest to the window with keyboard focus. Posts nothing outside X11 or
// without the XTEST extension. Terminals are recognised by their window class.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    bool focusTakesCopyStroke() const override;
    void postCopyStroke() override;
};

} // namespace velora
