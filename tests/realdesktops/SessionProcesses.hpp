#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <list>

namespace velora::testsupport {

// Long enough for a desktop to come up on a loaded machine.
inline constexpr int startPatienceMs = 60000;
// For one event of a desktop that is up.
inline constexpr int eventPatienceMs = 30000;

// A desktop session of the test's own: private buses, folders and the processes started in it,
// every one of them ended with the session.
class DesktopSession {
public:
    DesktopSession();
    ~DesktopSession();

    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // A bus daemon of the given type on a socket in the session's folder, that can start only
    // the services whose files lie in `services`. Its address goes into the environment.
    bool startBus(const QString& type, const QStringList& services = {});
    // Starts `program` in the session; its output is kept for a failure's message.
    QProcess& start(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& extra = {});
    // Waits until a file appears in the runtime folder (a Wayland socket).
    bool waitForRuntimeFile(const QString& name) const;
    // Waits until `name` has an owner on the session bus.
    bool waitForName(const QString& name) const;
    // What every process started so far wrote, for a failure's message.
    std::string output() const;
    // What one of them wrote so far.
    QString outputOf(const QProcess& process) const;

    QString path(const QString& name) const { return folder_.filePath(name); }
    QProcessEnvironment environment;
    QDBusConnection bus{QString()};

private:
    QTemporaryDir folder_;
    std::list<QProcess> processes_;
    QStringList busNames_;
};

} // namespace velora::testsupport
