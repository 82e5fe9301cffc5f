#include "platform/wayland/WaylandSession.hpp"

#include <QGuiApplication>
#include <QtGlobal>

namespace velora {

bool WaylandSession::isActive() {
    if (qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return true;
    }
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

} // namespace velora
