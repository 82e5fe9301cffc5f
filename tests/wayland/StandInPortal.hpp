#pragma once

#include "platform/wayland/PortalShortcut.hpp"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace velora::testsupport {

// The desktop portal's global shortcuts as far as the program uses them, on the bus the test
// gives it: it records each call, answers through Request objects as the portal does, and
// presses a bound shortcut on demand. Some back ends bind what CreateSession's options list and
// ignore BindShortcuts' list; `bindsAtCreation` plays one of those.
class StandInPortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    explicit StandInPortal(QDBusConnection bus);
    ~StandInPortal() override;

    uint version() const { return 1; }

    // Emits Activated for the newest session, as the desktop does on a key press.
    void press(const QString& shortcutId);
    // Emits ShortcutsChanged, as when the user rebinds the shortcut in the desktop's settings.
    void rebind(const QString& trigger);

    struct Binding {
        QString session;
        QList<PortalShortcut> shortcuts;
    };
    std::vector<Binding> bindings;
    QStringList closedSessions;
    // The methods called, in order.
    QStringList calls;
    // What the user picks in the portal's dialog; empty: the user binds nothing.
    QString chosenTrigger = QStringLiteral("Ctrl+Alt+R");
    bool bindsAtCreation = false;
    // Whether CreateSession's answer lists what it bound, or only ListShortcuts does.
    bool creationAnswerLists = true;

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options);
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session,
                                  const QList<velora::PortalShortcut>& shortcuts,
                                  const QString& parentWindow, const QVariantMap& options);
    QDBusObjectPath ListShortcuts(const QDBusObjectPath& session, const QVariantMap& options);

private:
    // The Request's path for this call, after its Response has been queued.
    QDBusObjectPath respond(const QVariantMap& options, const QVariantMap& results);
    // The shortcuts as the user's choice in the dialog binds them.
    QList<PortalShortcut> bind(const QList<PortalShortcut>& shortcuts) const;

    QDBusConnection bus_;
    std::vector<std::unique_ptr<QObject>> sessions_;
    QString newestSession_;
    std::map<QString, QList<PortalShortcut>> bound_;
};

} // namespace velora::testsupport
