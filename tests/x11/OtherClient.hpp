#pragma once

#include "platform/X11Keymap.hpp"

#include <memory>
#include <xcb/xcb.h>

namespace velora::testsupport {

// Another program on the test's X server: a connection of its own that grabs keys and types
// through XTest as a user would.
class OtherClient {
public:
    OtherClient();
    ~OtherClient();

    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // 0 when granted, otherwise the X error code.
    int grab(X11Keysym key, std::uint16_t modifiers);
    void press(X11Keysym key);
    void release(X11Keysym key);
    // Returns once the server has handled everything sent so far.
    void sync();

private:
    void fake(std::uint8_t type, X11Keysym key);

    xcb_connection_t* connection_;
    xcb_window_t root_;
    std::unique_ptr<X11Keymap> keymap_;
};

} // namespace velora::testsupport
