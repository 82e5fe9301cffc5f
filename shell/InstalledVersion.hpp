#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QMessageBox;

namespace velora {

// The installed version, and what checking for updates means here: the system's package manager
// brings new versions, so the check says which version is installed and makes no network access.
class InstalledVersion {
    Q_DECLARE_TR_FUNCTIONS(InstalledVersion)

public:
    InstalledVersion() = default;
    ~InstalledVersion();

    InstalledVersion(const InstalledVersion&) = delete;
    InstalledVersion& operator=(const InstalledVersion&) = delete;

    // "VERSION (BUILD)" of this build, "?" standing for a part the build did not name.
    static QString versionString();
    static QString versionString(const QString& version, const QString& build);

    // Shows the installed version in a window of its own; a second check raises the same window.
    void show();

private:
    QPointer<QMessageBox> window_;
};

} // namespace velora
