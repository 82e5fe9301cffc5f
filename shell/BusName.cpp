#include "shell/BusName.hpp"

#include "app/LogCategories.hpp"

#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>

namespace velora {

BusName::~BusName() {
    if (bus_) {
        bus_->unregisterService(name_);
        bus_->unregisterObject(path_);
    }
}

bool BusName::take(QDBusConnection& bus, const QString& name, const QString& path, QObject* object,
                   QDBusConnection::RegisterOptions options) {
    if (!bus.isConnected() || !bus.registerObject(path, object, options)) {
        qCInfo(lcShell, "the object %s could not be offered on the session bus",
               qUtf8Printable(path));
        return false;
    }
    if (!bus.registerService(name)) {
        qCInfo(lcShell, "the name %s was not taken: %s", qUtf8Printable(name),
               qUtf8Printable(bus.lastError().message()));
        bus.unregisterObject(path);
        return false;
    }
    bus_ = bus;
    name_ = name;
    path_ = path;
    return true;
}

void BusName::announce(const QString& interfaceName, const QVariantMap& changed) const {
    if (changed.isEmpty() || !bus_) {
        return;
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(path_, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << interfaceName << changed << QStringList();
    bus_->send(signal);
}

} // namespace velora
