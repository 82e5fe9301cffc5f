#include "platform/wayland/PortalBackends.hpp"

#include <QDir>
#include <QStandardPaths>
#include <memory>
// GLib names a struct member after one of Qt's keywords.
#pragma push_macro("signals")
#undef signals
#include <glib.h>
#pragma pop_macro("signals")

namespace velora {

namespace {

QStringList listOf(GKeyFile* file, const char* key) {
    gchar** values = g_key_file_get_string_list(file, "portal", key, nullptr, nullptr);
    QStringList list;
    for (gchar** value = values; value && *value; ++value) {
        list.append(QString::fromUtf8(*value));
    }
    g_strfreev(values);
    return list;
}

} // namespace

PortalBackends PortalBackends::installed() {
    PortalBackends backends;
    // The portal's own override for where it looks, as the portal honours it.
    const QString override = qEnvironmentVariable("XDG_DESKTOP_PORTAL_DIR");
    if (!override.isEmpty()) {
        backends.readFolder(override);
        return backends;
    }
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        backends.readFolder(data + QLatin1String("/xdg-desktop-portal/portals"));
    }
    return backends;
}

PortalBackends PortalBackends::inFolder(const QString& folder) {
    PortalBackends backends;
    backends.readFolder(folder);
    return backends;
}

void PortalBackends::readFolder(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.portal")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const std::unique_ptr<GKeyFile, decltype(&g_key_file_free)> file(g_key_file_new(),
                                                                         &g_key_file_free);
        const QByteArray path = QDir(folder).filePath(name).toLocal8Bit();
        if (!g_key_file_load_from_file(file.get(), path.constData(), G_KEY_FILE_NONE, nullptr)) {
            continue;
        }
        backends_.append({listOf(file.get(), "Interfaces"), listOf(file.get(), "UseIn")});
    }
}

bool PortalBackends::offerGlobalShortcuts(const QStringList& desktops) const {
    for (const Backend& backend : backends_) {
        if (!backend.interfaces.contains(
                QLatin1String("org.freedesktop.impl.portal.GlobalShortcuts"))) {
            continue;
        }
        for (const QString& desktop : desktops) {
            if (backend.desktops.contains(desktop, Qt::CaseInsensitive)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace velora
