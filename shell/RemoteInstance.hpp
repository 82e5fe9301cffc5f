#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace velora {

// The running program as a second `veloramac` reaches it over the session bus.
class RemoteInstance {
public:
    // Whether a program already offers the service on the session bus.
    static bool isRunning();

    // Hands the command line to the running program: "--read-selection" captures,
    // "--read-clipboard" reads the clipboard, files open the first of them (relative to
    // `workingFolder`), nothing shows the reader. Waits for the answer; none means success,
    // otherwise the failure to print.
    static std::optional<QString> forward(const QStringList& arguments,
                                          const QString& workingFolder);
};

} // namespace velora
