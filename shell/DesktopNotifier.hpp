#pragma once

#include <QLatin1String>
#include <QString>

namespace velora {

// Messages the user must see while the panel is hidden, as desktop notifications on the session
// bus. Without a notification server the message goes to standard error instead.
class DesktopNotifier {
public:
    static constexpr QLatin1String serviceName{"org.freedesktop.Notifications"};
    static constexpr QLatin1String objectPath{"/org/freedesktop/Notifications"};

    // Returns at once; the server answers in its own time.
    static void notify(const QString& summary, const QString& body);
};

} // namespace velora
