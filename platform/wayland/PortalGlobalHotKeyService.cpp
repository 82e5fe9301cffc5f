#include "platform/wayland/PortalGlobalHotKeyService.hpp"

#include "platform/wayland/PortalShortcut.hpp"
#include "platform/wayland/ShortcutChord.hpp"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <utility>

namespace velora {

namespace {

constexpr QLatin1String requestInterface{"org.freedesktop.portal.Request"};
constexpr QLatin1String sessionInterface{"org.freedesktop.portal.Session"};
constexpr int probeTimeoutMs = 2000;

// The one Response of one Request object, delivered once to its callback.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    using Answered = std::function<void(GlobalHotKeyService::Status, const QVariantMap&)>;

    PortalRequest(QDBusConnection bus, Answered answered)
        : bus_(std::move(bus)), answered_(std::move(answered)) {}

    void listenAt(const QString& path) {
        if (path == path_) {
            return;
        }
        if (!path_.isEmpty()) {
            bus_.disconnect(PortalGlobalHotKeyService::serviceName, path_, requestInterface,
                            QStringLiteral("Response"), this, SLOT(response(uint, QVariantMap)));
        }
        path_ = path;
        bus_.connect(PortalGlobalHotKeyService::serviceName, path_, requestInterface,
                     QStringLiteral("Response"), this, SLOT(response(uint, QVariantMap)));
    }

    void fail() { deliver(PortalGlobalHotKeyService::unreachableStatus, {}); }

public slots:
    void response(uint code, const QVariantMap& results) {
        deliver(static_cast<GlobalHotKeyService::Status>(code), results);
    }

private:
    void deliver(GlobalHotKeyService::Status status, const QVariantMap& results) {
        if (answered_) {
            std::exchange(answered_, {})(status, results);
        }
        deleteLater();
    }

    QDBusConnection bus_;
    QString path_;
    Answered answered_;
};

QString textOf(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>()) {
        return value.value<QDBusObjectPath>().path();
    }
    return value.toString();
}

PortalShortcuts shortcutsOf(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        return qdbus_cast<PortalShortcuts>(value.value<QDBusArgument>());
    }
    return value.value<PortalShortcuts>();
}

// The shortcut's entry in a list from the portal, if it is there.
std::optional<PortalShortcut> ourShortcut(const PortalShortcuts& shortcuts) {
    for (const PortalShortcut& shortcut : shortcuts) {
        if (shortcut.id == PortalGlobalHotKeyService::shortcutId) {
            return shortcut;
        }
    }
    return std::nullopt;
}

} // namespace

PortalGlobalHotKeyService::PortalGlobalHotKeyService(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    PortalShortcut::registerType();
    // Portals learn a program's identity from its sandbox; a program outside one names itself,
    // before any other call, where the portal is new enough to ask.
    QDBusMessage registration = QDBusMessage::createMethodCall(
        serviceName, objectPath, QStringLiteral("org.freedesktop.host.portal.Registry"),
        QStringLiteral("Register"));
    registration.setArguments({QStringLiteral("org.veloramac.VeloraMac"), QVariantMap{}});
    bus_.asyncCall(registration);
    bus_.connect(serviceName, objectPath, interfaceName, QStringLiteral("Activated"), this,
                 SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.connect(serviceName, objectPath, interfaceName, QStringLiteral("ShortcutsChanged"), this,
                 SLOT(shortcutsChanged(QDBusMessage)));
}

PortalGlobalHotKeyService::~PortalGlobalHotKeyService() {
    for (const auto& [handle, session] : sessions_) {
        closeSession(session);
    }
}

bool PortalGlobalHotKeyService::isOffered(const QDBusConnection& bus) {
    QDBusMessage probe = QDBusMessage::createMethodCall(
        serviceName, objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    probe.setArguments({QString(interfaceName), QStringLiteral("version")});
    return bus.call(probe, QDBus::Block, probeTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void PortalGlobalHotKeyService::installHandler(std::function<void()> pressed) {
    pressed_ = std::move(pressed);
}

void PortalGlobalHotKeyService::installAnswerHandler(std::function<void(const Answer&)> answered) {
    answered_ = std::move(answered);
}

GlobalHotKeyService::Registration PortalGlobalHotKeyService::registerHotKey(QKeyCombination keys) {
    QVariantMap properties{
        {QStringLiteral("description"),
         QCoreApplication::translate("GlobalShortcut", "Read the selected text")}};
    if (const auto trigger = ShortcutChord{keys}.portalTrigger()) {
        properties.insert(QStringLiteral("preferred_trigger"), *trigger);
    }
    const PortalShortcuts shortcuts{{QString(shortcutId), properties}};
    const Handle handle = next_++;
    sessions_.emplace(handle, QString());
    // Some portals take the shortcuts only from the session's options and ignore the list given
    // to BindShortcuts, so both carry it.
    request(QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"),
              QStringLiteral("veloramac_session%1").arg(handle)},
             {QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts)}},
            [this, handle, shortcuts](Status response, const QVariantMap& results) {
                const QString session = textOf(results.value(QStringLiteral("session_handle")));
                const auto registration = sessions_.find(handle);
                if (registration == sessions_.end()) {
                    // Released while the portal was creating its session.
                    if (response == 0 && !session.isEmpty()) {
                        closeSession(session);
                    }
                    return;
                }
                if (response != 0 || session.isEmpty()) {
                    sessions_.erase(registration);
                    answer({handle, response != 0 ? response : notBoundStatus, {}});
                    return;
                }
                registration->second = session;
                if (const auto trigger = boundTrigger(results)) {
                    answer({handle, 0, *trigger});
                    return;
                }
                list(handle, session, shortcuts);
            });
    return {awaitingAnswer, handle};
}

std::optional<QString> PortalGlobalHotKeyService::boundTrigger(const QVariantMap& results) {
    const auto shortcut = ourShortcut(shortcutsOf(results.value(QStringLiteral("shortcuts"))));
    const QString trigger =
        shortcut ? shortcut->properties.value(QStringLiteral("trigger_description")).toString()
                 : QString();
    return trigger.isEmpty() ? std::nullopt : std::optional(trigger);
}

void PortalGlobalHotKeyService::list(Handle handle, const QString& session,
                                     const PortalShortcuts& shortcuts) {
    // A shortcut the desktop keeps from an earlier run needs no BindShortcuts, which on some
    // desktops opens their settings at every start.
    request(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(session))}, {},
            [this, handle, session, shortcuts](Status response, const QVariantMap& results) {
                if (!sessions_.contains(handle)) {
                    return;
                }
                const auto trigger = response == 0 ? boundTrigger(results) : std::nullopt;
                if (trigger) {
                    answer({handle, 0, *trigger});
                    return;
                }
                bind(handle, session, shortcuts);
            });
}

void PortalGlobalHotKeyService::bind(Handle handle, const QString& session,
                                     const PortalShortcuts& shortcuts) {
    request(
        QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString()},
        {}, [this, handle](Status response, const QVariantMap& results) {
            const auto registration = sessions_.find(handle);
            if (registration == sessions_.end()) {
                return;
            }
            // An empty list means the desktop bound nothing, not that the chord is taken.
            const auto bound =
                response == 0 ? ourShortcut(shortcutsOf(results.value(QStringLiteral("shortcuts"))))
                              : std::nullopt;
            if (!bound) {
                closeSession(registration->second);
                sessions_.erase(registration);
                answer({handle, response != 0 ? response : notBoundStatus, {}});
                return;
            }
            answer({handle, 0,
                    bound->properties.value(QStringLiteral("trigger_description")).toString()});
        });
}

QString PortalGlobalHotKeyService::refusalReason(Status status) const {
    switch (status) {
    case userCancelledStatus:
        return QStringLiteral("the shortcut was declined in the desktop's dialog");
    case unreachableStatus:
        return QStringLiteral("the desktop portal did not answer");
    case notBoundStatus:
        return QStringLiteral("the desktop did not bind the shortcut");
    default:
        return QStringLiteral("the desktop portal ended the request (response %1)").arg(status);
    }
}

void PortalGlobalHotKeyService::request(const QString& method, QVariantList arguments,
                                        QVariantMap options, Answered answered) {
    const QString token = QStringLiteral("veloramac%1").arg(++tokens_);
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    // The portal names the Request after the caller and the token; listening there before the
    // call is made means a quick Response cannot be missed.
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    auto* pending = new PortalRequest(bus_, answered);
    pending->setParent(this);
    pending->listenAt(QStringLiteral("/org/freedesktop/portal/desktop/request/") + sender +
                      QLatin1Char('/') + token);

    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [pending = QPointer<PortalRequest>(pending)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (!pending) {
                    return;
                }
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (reply.isError()) {
                    pending->fail();
                    return;
                }
                // Older portals chose the path themselves.
                pending->listenAt(reply.value().path());
            });
}

void PortalGlobalHotKeyService::unregisterHotKey(Handle handle) {
    const auto registration = sessions_.find(handle);
    if (registration == sessions_.end()) {
        return;
    }
    if (!registration->second.isEmpty()) {
        closeSession(registration->second);
    }
    sessions_.erase(registration);
}

void PortalGlobalHotKeyService::closeSession(const QString& session) {
    bus_.asyncCall(QDBusMessage::createMethodCall(serviceName, session, sessionInterface,
                                                  QStringLiteral("Close")));
}

std::optional<GlobalHotKeyService::Handle>
PortalGlobalHotKeyService::handleOf(const QString& session) const {
    for (const auto& [handle, path] : sessions_) {
        if (!path.isEmpty() && path == session) {
            return handle;
        }
    }
    return std::nullopt;
}

void PortalGlobalHotKeyService::answer(const Answer& answer) {
    if (answered_) {
        answered_(answer);
    }
}

void PortalGlobalHotKeyService::activated(const QDBusObjectPath& session, const QString& id,
                                          qulonglong, const QVariantMap&) {
    if (id == shortcutId && handleOf(session.path()) && pressed_) {
        pressed_();
    }
}

void PortalGlobalHotKeyService::shortcutsChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2) {
        return;
    }
    const auto handle = handleOf(textOf(arguments.at(0)));
    const auto shortcut = ourShortcut(shortcutsOf(arguments.at(1)));
    if (handle && shortcut) {
        answer({*handle, 0,
                shortcut->properties.value(QStringLiteral("trigger_description")).toString()});
    }
}

} // namespace velora

#include "PortalGlobalHotKeyService.moc"
