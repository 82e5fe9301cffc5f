#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <map>

namespace velora::testsupport {

// KDE's global shortcut service as far as the program uses it: it records the registration and
// the keys asked for, refuses keys another action holds, and presses the bound key on demand.
class StandInKGlobalAccel final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KGlobalAccel")

public:
    explicit StandInKGlobalAccel(QDBusConnection bus);
    ~StandInKGlobalAccel() override;

    // Sends the press of the action's key, as the service does.
    void press(const QString& component, const QString& action);
    // Announces keys the user gave the action in the desktop's settings.
    void rebind(const QStringList& actionId, int key);

    QStringList calls;
    // Keys that other programs hold.
    QList<int> taken;
    // Keys stored from an earlier run, which a registration without NoAutoloading gets back.
    std::map<QString, int> stored;

public slots:
    void doRegister(const QStringList& actionId);
    QList<int> setShortcut(const QStringList& actionId, const QList<int>& keys, uint flags);
    void setInactive(const QStringList& actionId);

private:
    QDBusConnection bus_;
};

} // namespace velora::testsupport
