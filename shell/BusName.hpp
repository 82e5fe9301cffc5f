#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace velora {

// An object exported on a bus under a well-known name; both are given back when this goes, so a
// later program can take the name at once.
class BusName {
public:
    BusName() = default;
    BusName(const BusName&) = delete;
    BusName& operator=(const BusName&) = delete;
    ~BusName();

    // Exports `object` at `path` and takes `name`. False when the bus refuses either (another
    // process holds the name, or there is no bus), in which case nothing stays registered.
    bool take(QDBusConnection& bus, const QString& name, const QString& path, QObject* object,
              QDBusConnection::RegisterOptions options);

    // Tells the bus that properties of the object's `interfaceName` changed; nothing while the
    // name is not held or nothing changed.
    void announce(const QString& interfaceName, const QVariantMap& changed) const;

private:
    std::optional<QDBusConnection> bus_;
    QString name_;
    QString path_;
};

} // namespace velora
