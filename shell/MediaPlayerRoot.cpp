#include "shell/MediaPlayerRoot.hpp"

#include "shell/MediaPlayerService.hpp"

namespace velora {

MediaPlayerRoot::MediaPlayerRoot(MediaPlayerService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

QString MediaPlayerRoot::identity() const {
    return QStringLiteral("VeloraMac");
}

QString MediaPlayerRoot::desktopEntry() const {
    return QStringLiteral("org.veloramac.VeloraMac");
}

void MediaPlayerRoot::Raise() {
    service_.raise();
}

} // namespace velora
