#include "platform/x11/X11Session.hpp"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xtest.h>

namespace velora {

std::optional<X11Session> X11Session::ofApplication() {
    auto* application = qGuiApp;
    if (!application) {
        return std::nullopt;
    }
    auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screens.rem == 0) {
        return std::nullopt;
    }
    return X11Session{connection, screens.data->root};
}

bool X11Session::hasXTest() const {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_test_id);
    return extension && extension->present;
}

xcb_atom_t X11Session::atom(const std::string& name) const {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace velora
