#pragma once

#include "shell/BusName.hpp"
#include "shell/ShellReader.hpp"

#include <QDBusConnection>
#include <QDBusContext>
#include <QLatin1String>
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

namespace velora {

class HotKeySetting;

// The program's session-bus service: other programs, desktop shortcuts and a second `veloramac`
// hand it text and files. Failures answer as D-Bus errors with the text a user would read.
class ServiceProvider final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.veloramac.VeloraMac")
    Q_PROPERTY(QString shortcut READ shortcut)
    Q_PROPERTY(bool shortcutRegistered READ shortcutRegistered)

public:
    static constexpr QLatin1String serviceName{"org.veloramac.VeloraMac"};
    static constexpr QLatin1String objectPath{"/VeloraMac"};
    static constexpr QLatin1String interfaceName{"org.veloramac.VeloraMac"};
    static constexpr QLatin1String errorName{"org.veloramac.VeloraMac.Error"};
    static constexpr QLatin1String noTextMessage{"No readable text was selected."};
    static constexpr QLatin1String noFileMessage{"No readable file was provided."};

    // Called with the failure to show, or none once the text is read and kept in the library.
    using Done = std::function<void(std::optional<QString> failure)>;

    explicit ServiceProvider(const HotKeySetting& shortcut, QObject* parent = nullptr);

    // Exports the object and takes the well-known name. False when another process holds it
    // (or there is no bus), in which case nothing stays registered.
    bool registerOn(QDBusConnection& bus);

    // The global shortcut as the user reads it, and whether the desktop granted it. Changes
    // are announced with org.freedesktop.DBus.Properties.PropertiesChanged.
    QString shortcut() const { return shortcut_; }
    bool shortcutRegistered() const { return shortcutRegistered_; }

    // A local file named by an absolute path or a file URL; none for anything else.
    static std::optional<std::filesystem::path> localFile(const QString& pathOrUrl);

public slots:
    // Answers once the text is read and the library written, with the failure if it was not.
    Q_SCRIPTABLE void readSelection(const QString& text);
    // Answers once the file was read, with the import failure if it could not be.
    Q_SCRIPTABLE void readFile(const QString& pathOrUrl);
    Q_SCRIPTABLE void captureSelection();
    Q_SCRIPTABLE void readClipboard();
    Q_SCRIPTABLE void showReader();
    // Moves through the loaded text as the reader's Ctrl+arrow keys do.
    Q_SCRIPTABLE void previousSentence();
    Q_SCRIPTABLE void nextSentence();
    Q_SCRIPTABLE void previousParagraph();
    Q_SCRIPTABLE void nextParagraph();

signals:
    // `done` answers the caller.
    void textReceived(const QString& text, velora::ServiceProvider::Done done);
    void fileReceived(const std::filesystem::path& file, velora::ServiceProvider::Done done);
    void captureRequested();
    void clipboardRequested();
    void showRequested();
    void moveRequested(velora::ShellReader::Move move);

private:
    void fail(const QString& message);
    // The answer to the call being handled, to send once `Done` is called.
    Done delayedAnswer();

    BusName name_;
    QString shortcut_;
    bool shortcutRegistered_ = false;
};

} // namespace velora
