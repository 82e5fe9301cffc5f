#pragma once

#include "app/platform/KeyEventPoster.hpp"

namespace velora {

// Control-C through XTest to the window with keyboard focus. Posts nothing outside X11 or
// without the XTEST extension.
class X11KeyEventPoster final : public KeyEventPoster {
public:
    void postCopyStroke() override;
};

} // namespace velora
