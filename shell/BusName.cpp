#include "shell/BusName.hpp"

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
        return false;
    }
    if (!bus.registerService(name)) {
        bus.unregisterObject(path);
        return false;
    }
    bus_ = bus;
    name_ = name;
    path_ = path;
    return true;
}

} // namespace velora
