#include "wayland/StandInPortal.hpp"

#include "platform/wayland/PortalGlobalHotKeyService.hpp"

#include <QDBusMessage>
#include <QTimer>

namespace velora::testsupport {

namespace {

// A session object, which only ever hears Close.
class StandInSession final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Session")

public:
    StandInSession(QString path, QStringList& closed) : path_(std::move(path)), closed_(closed) {}

public slots:
    void Close() { closed_.append(path_); }

private:
    QString path_;
    QStringList& closed_;
};

} // namespace

StandInPortal::StandInPortal(QDBusConnection bus) : bus_(std::move(bus)) {
    PortalShortcut::registerType();
    bus_.registerObject(PortalGlobalHotKeyService::objectPath, this,
                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    bus_.registerService(PortalGlobalHotKeyService::serviceName);
}

StandInPortal::~StandInPortal() {
    bus_.unregisterService(PortalGlobalHotKeyService::serviceName);
    bus_.unregisterObject(PortalGlobalHotKeyService::objectPath);
    for (const auto& session : sessions_) {
        bus_.unregisterObject(session->objectName());
    }
}

QDBusObjectPath StandInPortal::respond(const QVariantMap& options, const QVariantMap& results) {
    QString sender = message().service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                         QLatin1Char('/') +
                         options.value(QStringLiteral("handle_token")).toString();
    // The portal answers the call first and the Request after it.
    QTimer::singleShot(0, this, [this, path, results] {
        QDBusMessage response = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response.setArguments({0U, results});
        bus_.send(response);
    });
    return QDBusObjectPath(path);
}

QList<PortalShortcut> StandInPortal::bind(const QList<PortalShortcut>& shortcuts) const {
    QList<PortalShortcut> bound;
    if (!chosenTrigger.isEmpty()) {
        for (const PortalShortcut& shortcut : shortcuts) {
            bound.append({shortcut.id,
                          {{QStringLiteral("description"),
                            shortcut.properties.value(QStringLiteral("description"))},
                           {QStringLiteral("trigger_description"), chosenTrigger}}});
        }
    }
    return bound;
}

QDBusObjectPath StandInPortal::CreateSession(const QVariantMap& options) {
    calls.append(QStringLiteral("CreateSession"));
    newestSession_ = QStringLiteral("/org/freedesktop/portal/desktop/session/") +
                     options.value(QStringLiteral("session_handle_token")).toString() +
                     QString::number(sessions_.size());
    auto session = std::make_unique<StandInSession>(newestSession_, closedSessions);
    session->setObjectName(newestSession_);
    bus_.registerObject(newestSession_, session.get(), QDBusConnection::ExportAllSlots);
    sessions_.push_back(std::move(session));
    QVariantMap results{{QStringLiteral("session_handle"), newestSession_}};
    if (bindsAtCreation) {
        const auto asked = qdbus_cast<QList<PortalShortcut>>(
            options.value(QStringLiteral("shortcuts")).value<QDBusArgument>());
        bound_[newestSession_] = bind(asked);
        if (creationAnswerLists) {
            results.insert(QStringLiteral("shortcuts"),
                           QVariant::fromValue(bound_[newestSession_]));
        }
    }
    return respond(options, results);
}

QDBusObjectPath StandInPortal::BindShortcuts(const QDBusObjectPath& session,
                                             const QList<PortalShortcut>& shortcuts, const QString&,
                                             const QVariantMap& options) {
    calls.append(QStringLiteral("BindShortcuts"));
    bindings.push_back({session.path(), shortcuts});
    if (!bindsAtCreation) {
        bound_[session.path()] = bind(shortcuts);
    }
    return respond(options,
                   {{QStringLiteral("shortcuts"), QVariant::fromValue(bound_[session.path()])}});
}

QDBusObjectPath StandInPortal::ListShortcuts(const QDBusObjectPath& session,
                                             const QVariantMap& options) {
    calls.append(QStringLiteral("ListShortcuts"));
    return respond(options,
                   {{QStringLiteral("shortcuts"), QVariant::fromValue(bound_[session.path()])}});
}

void StandInPortal::press(const QString& shortcutId) {
    QDBusMessage activated = QDBusMessage::createSignal(PortalGlobalHotKeyService::objectPath,
                                                        PortalGlobalHotKeyService::interfaceName,
                                                        QStringLiteral("Activated"));
    activated.setArguments({QVariant::fromValue(QDBusObjectPath(newestSession_)), shortcutId,
                            QVariant::fromValue(qulonglong{1}), QVariantMap{}});
    bus_.send(activated);
}

void StandInPortal::rebind(const QString& trigger) {
    QDBusMessage changed = QDBusMessage::createSignal(PortalGlobalHotKeyService::objectPath,
                                                      PortalGlobalHotKeyService::interfaceName,
                                                      QStringLiteral("ShortcutsChanged"));
    const QList<PortalShortcut> shortcuts{{QString(PortalGlobalHotKeyService::shortcutId),
                                           {{QStringLiteral("trigger_description"), trigger}}}};
    changed.setArguments(
        {QVariant::fromValue(QDBusObjectPath(newestSession_)), QVariant::fromValue(shortcuts)});
    bus_.send(changed);
}

} // namespace velora::testsupport

#include "StandInPortal.moc"
