#include "wayland/StandInKGlobalAccel.hpp"

#include "platform/wayland/KGlobalAccelHotKeyService.hpp"

#include <QDBusMessage>

namespace velora::testsupport {

namespace {

constexpr uint noAutoloading = 4;

} // namespace

StandInKGlobalAccel::StandInKGlobalAccel(QDBusConnection bus) : bus_(std::move(bus)) {
    bus_.registerObject(KGlobalAccelHotKeyService::objectPath, this,
                        QDBusConnection::ExportAllSlots);
    bus_.registerService(KGlobalAccelHotKeyService::serviceName);
}

StandInKGlobalAccel::~StandInKGlobalAccel() {
    bus_.unregisterService(KGlobalAccelHotKeyService::serviceName);
    bus_.unregisterObject(KGlobalAccelHotKeyService::objectPath);
}

void StandInKGlobalAccel::doRegister(const QStringList& actionId) {
    calls.append(QStringLiteral("doRegister ") + actionId.join(QLatin1Char('/')));
}

QList<int> StandInKGlobalAccel::setShortcut(const QStringList& actionId, const QList<int>& keys,
                                            uint flags) {
    calls.append(QStringLiteral("setShortcut %1 %2").arg(keys.value(0)).arg(flags));
    const QString action = actionId.value(1);
    if (!(flags & noAutoloading) && stored.contains(action)) {
        return {stored.at(action)};
    }
    if (keys.isEmpty() || taken.contains(keys.front())) {
        return {};
    }
    return {keys.front()};
}

void StandInKGlobalAccel::setInactive(const QStringList& actionId) {
    calls.append(QStringLiteral("setInactive ") + actionId.value(1));
}

void StandInKGlobalAccel::press(const QString& component, const QString& action) {
    QDBusMessage pressed = QDBusMessage::createSignal(QStringLiteral("/component/") + component,
                                                      KGlobalAccelHotKeyService::componentInterface,
                                                      QStringLiteral("globalShortcutPressed"));
    pressed.setArguments({component, action, QVariant::fromValue(qlonglong{1})});
    bus_.send(pressed);
}

void StandInKGlobalAccel::rebind(const QStringList& actionId, int key) {
    QDBusMessage changed = QDBusMessage::createSignal(KGlobalAccelHotKeyService::objectPath,
                                                      KGlobalAccelHotKeyService::interfaceName,
                                                      QStringLiteral("yourShortcutGotChanged"));
    changed.setArguments({actionId, QVariant::fromValue(QList<int>{key})});
    bus_.send(changed);
}

} // namespace velora::testsupport
