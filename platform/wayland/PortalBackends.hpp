#pragma once

#include <QStringList>

namespace velora {

// The desktop portal's back ends as installed, each with the desktops it serves. The portal
// falls back to another desktop's back end where the session's own lacks an interface; such a
// back end binds shortcuts in a service this desktop never listens to.
class PortalBackends {
public:
    // Reads the back ends from the folders the portal reads them from.
    static PortalBackends installed();
    // Reads them from one folder of ".portal" files.
    static PortalBackends inFolder(const QString& folder);

    // Whether a back end meant for one of these desktops (XDG_CURRENT_DESKTOP's names) offers
    // global shortcuts.
    bool offerGlobalShortcuts(const QStringList& desktops) const;

private:
    struct Backend {
        QStringList interfaces;
        QStringList desktops;
    };

    void readFolder(const QString& folder);

    QList<Backend> backends_;
};

} // namespace velora
