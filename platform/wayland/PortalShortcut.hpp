#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace velora {

// One entry of the portal's shortcut lists, D-Bus type (sa{sv}): an id and its properties.
struct PortalShortcut {
    QString id;
    QVariantMap properties;

    // Once per process, before the first list goes over the bus.
    static void registerType();
};

using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

} // namespace velora

Q_DECLARE_METATYPE(velora::PortalShortcut)
