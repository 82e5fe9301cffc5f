#pragma once

#include "app/platform/GlobalHotKeyService.hpp"

#include <QDBusConnection>
#include <QLatin1String>
#include <QList>
#include <QObject>
#include <QStringList>

namespace velora {

// The global shortcut through KDE Plasma's own shortcut service, as one action of the component
// "veloramac". The first registration of a run lets a chord the user chose in the desktop's
// settings win; later ones, made from this program's settings, replace it. The service answers
// later, with the keys it actually bound.
class KGlobalAccelHotKeyService final : public QObject, public GlobalHotKeyService {
    Q_OBJECT

public:
    static constexpr QLatin1String serviceName{"org.kde.kglobalaccel"};
    static constexpr QLatin1String objectPath{"/kglobalaccel"};
    static constexpr QLatin1String interfaceName{"org.kde.KGlobalAccel"};
    static constexpr QLatin1String componentInterface{"org.kde.kglobalaccel.Component"};
    static constexpr QLatin1String componentName{"veloramac"};
    static constexpr QLatin1String actionName{"read-selection"};
    static constexpr Status unreachableStatus = -3;
    // Another action holds the chord: the service bound no key.
    static constexpr Status takenStatus = -5;
    // The stored key has no counterpart in the service's key names.
    static constexpr Status unknownKeyStatus = -6;

    explicit KGlobalAccelHotKeyService(QDBusConnection bus, QObject* parent = nullptr);
    ~KGlobalAccelHotKeyService() override;

    KGlobalAccelHotKeyService(const KGlobalAccelHotKeyService&) = delete;
    KGlobalAccelHotKeyService& operator=(const KGlobalAccelHotKeyService&) = delete;

    // Whether the bus has the service or can start it.
    static bool isOffered(const QDBusConnection& bus);

    bool available() const override { return true; }
    void installHandler(std::function<void()> pressed) override;
    Registration registerHotKey(QKeyCombination keys) override;
    void unregisterHotKey(Handle handle) override;
    void installAnswerHandler(std::function<void(const Answer&)> answered) override;

private slots:
    void pressed(const QString& component, const QString& action, qlonglong timestamp);
    void rebound(const QStringList& actionId, const QList<int>& keys);

private:
    // Component and action, each by its unique and its friendly name.
    static QStringList actionId();
    void call(const QString& method, const QVariantList& arguments);
    void answerWithKeys(Handle handle, const QList<int>& keys);

    QDBusConnection bus_;
    std::function<void()> pressed_;
    std::function<void(const Answer&)> answered_;
    std::optional<Handle> current_;
    bool granted_ = false;
    bool firstRegistration_ = true;
    Handle next_ = 1;
};

} // namespace velora
