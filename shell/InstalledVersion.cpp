#include "shell/InstalledVersion.hpp"

#include <QMessageBox>

namespace velora {

InstalledVersion::~InstalledVersion() {
    delete window_.data();
}

QString InstalledVersion::versionString() {
    return versionString(QStringLiteral(VELORA_VERSION), QStringLiteral(VELORA_BUILD));
}

QString InstalledVersion::versionString(const QString& version, const QString& build) {
    const auto orUnknown = [](const QString& part) {
        return part.trimmed().isEmpty() ? QStringLiteral("?") : part;
    };
    return orUnknown(version) + QStringLiteral(" (") + orUnknown(build) + QLatin1Char(')');
}

void InstalledVersion::show() {
    if (!window_) {
        window_ =
            new QMessageBox(QMessageBox::Information, tr("Check for Updates"),
                            tr("VeloraMac %1 is installed.").arg(versionString()), QMessageBox::Ok);
        window_->setInformativeText(
            tr("New versions come through your system's package manager; VeloraMac "
               "itself never connects to the network."));
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velora
