#pragma once

#include <optional>
#include <string>
#include <xcb/xcb.h>

namespace velora {

// The X connection that Qt already holds for this application.
struct X11Session {
    xcb_connection_t* connection;
    xcb_window_t root;

    // None unless the application runs on X11.
    static std::optional<X11Session> ofApplication();

    bool hasXTest() const;
    // XCB_ATOM_NONE when the server does not answer.
    xcb_atom_t atom(const std::string& name) const;
};

} // namespace velora
