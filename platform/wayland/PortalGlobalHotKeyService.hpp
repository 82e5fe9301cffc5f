#pragma once

#include "app/platform/GlobalHotKeyService.hpp"
#include "platform/wayland/PortalShortcut.hpp"

#include <QDBusConnection>
#include <QLatin1String>
#include <QObject>
#include <QVariantMap>
#include <map>

class QDBusMessage;
class QDBusObjectPath;

namespace velora {

// The global shortcut through the desktop portal's GlobalShortcuts interface, one portal session
// per registration. The portal answers through Request objects, often after a dialog in which
// the user may pick another chord, so every registration is answered later.
class PortalGlobalHotKeyService final : public QObject, public GlobalHotKeyService {
    Q_OBJECT

public:
    static constexpr QLatin1String serviceName{"org.freedesktop.portal.Desktop"};
    static constexpr QLatin1String objectPath{"/org/freedesktop/portal/desktop"};
    static constexpr QLatin1String interfaceName{"org.freedesktop.portal.GlobalShortcuts"};
    static constexpr QLatin1String shortcutId{"read-selection"};
    // The portal could not be reached, or answered a call with an error.
    static constexpr Status unreachableStatus = -3;
    // The portal answered, but without binding the shortcut (the user left it out).
    static constexpr Status notBoundStatus = -4;
    // The Request's response code when the user dismissed the portal's dialog.
    static constexpr Status userCancelledStatus = 1;

    explicit PortalGlobalHotKeyService(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalGlobalHotKeyService() override;

    PortalGlobalHotKeyService(const PortalGlobalHotKeyService&) = delete;
    PortalGlobalHotKeyService& operator=(const PortalGlobalHotKeyService&) = delete;

    // Whether the bus offers the portal's global shortcuts; waits up to two seconds, since the
    // portal may first have to be started.
    static bool isOffered(const QDBusConnection& bus);

    bool available() const override { return true; }
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    void installAnswerHandler(std::function<void(const Answer&)> answered) override;
    QString refusalReason(Status status) const override;

private slots:
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);
    void shortcutsChanged(const QDBusMessage& message);

private:
    // The Request's response code (0 granted), or unreachableStatus when the call failed.
    using Answered = std::function<void(Status response, const QVariantMap& results)>;

    // Calls a portal method whose real answer comes as the Response of a Request object.
    // `options` is the call's last argument; its handle token is added here.
    void request(const QString& method, QVariantList arguments, QVariantMap options,
                 Answered answered);
    // The trigger the desktop bound to the shortcut, by the list in a Response; none where the
    // list leaves it out or names no trigger.
    static std::optional<QString> boundTrigger(const QVariantMap& results);
    void list(Handle handle, const QString& session, const PortalShortcuts& shortcuts);
    void bind(Handle handle, const QString& session, const PortalShortcuts& shortcuts);
    void answer(const Answer& answer);
    void closeSession(const QString& session);
    std::optional<Handle> handleOf(const QString& session) const;

    QDBusConnection bus_;
    std::function<void()> pressed_;
    std::function<void(const Answer&)> answered_;
    // Registrations not released yet, with their session path once the portal created it.
    std::map<Handle, QString> sessions_;
    Handle next_ = 1;
    quint64 tokens_ = 0;
};

} // namespace velora
