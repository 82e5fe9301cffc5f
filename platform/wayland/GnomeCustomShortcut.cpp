#include "platform/wayland/GnomeCustomShortcut.hpp"

#include "platform/desktop/ProgramCommand.hpp"
#include "platform/wayland/ShortcutChord.hpp"

#include <QFileInfo>
#include <memory>
#include <vector>
// GIO names a struct member after one of Qt's keywords.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace velora {

namespace {

constexpr const char* listKey = "custom-keybindings";

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

using Settings = std::unique_ptr<GSettings, Unref>;

bool hasSchema(QLatin1String id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source) {
        return false;
    }
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, id.data(), TRUE);
    if (!schema) {
        return false;
    }
    g_settings_schema_unref(schema);
    return true;
}

Settings list() {
    return Settings(g_settings_new(GnomeCustomShortcut::listSchema.data()));
}

Settings entry(const QString& path) {
    return Settings(g_settings_new_with_path(GnomeCustomShortcut::entrySchema.data(),
                                             path.toUtf8().constData()));
}

QString stringOf(GSettings* settings, const char* key) {
    gchar* value = g_settings_get_string(settings, key);
    QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

// A program of this name given the capture option, wherever it lies; a command line GNOME's
// daemon could not parse is someone else's.
bool runsThisProgram(const QString& commandLine) {
    gint count = 0;
    gchar** arguments = nullptr;
    if (!g_shell_parse_argv(commandLine.toUtf8().constData(), &count, &arguments, nullptr)) {
        return false;
    }
    const bool ours =
        count == 2 && QLatin1String(arguments[1]) == GnomeCustomShortcut::option &&
        (QFileInfo(QString::fromUtf8(arguments[0])).fileName() == QLatin1String("veloramac") ||
         QString::fromUtf8(arguments[0]) == ProgramCommand::path());
    g_strfreev(arguments);
    return ours;
}

void setEntries(const QStringList& entries) {
    std::vector<QByteArray> bytes;
    std::vector<const gchar*> strings;
    for (const QString& path : entries) {
        bytes.push_back(path.toUtf8());
    }
    for (const QByteArray& path : bytes) {
        strings.push_back(path.constData());
    }
    strings.push_back(nullptr);
    g_settings_set_strv(list().get(), listKey, strings.data());
}

} // namespace

// Both objects live as long as the watch: GSettings reports changes only while they do.
struct GnomeCustomShortcut::Watch {
    std::function<void()> changed;
    Settings list;
    Settings entry;
    QString entryPath;

    static void onChange(GSettings*, gchar*, gpointer self) {
        auto* watch = static_cast<Watch*>(self);
        watch->follow();
        watch->changed();
    }

    // The entry to watch moves when this program's entry is added, removed or renamed.
    void follow() {
        const QString path = ownEntry(entries()).value_or(QString());
        if (path == entryPath && (entry || path.isEmpty())) {
            return;
        }
        entryPath = path;
        entry = path.isEmpty() ? Settings() : velora::entry(path);
        if (entry) {
            g_signal_connect(entry.get(), "changed", G_CALLBACK(&Watch::onChange), this);
        }
    }
};

GnomeCustomShortcut::GnomeCustomShortcut() {
    const auto path = ownEntry(entries());
    if (path && stringOf(entry(*path).get(), "command") != command()) {
        g_settings_set_string(entry(*path).get(), "command", command().toUtf8().constData());
        g_settings_sync();
    }
}

GnomeCustomShortcut::~GnomeCustomShortcut() = default;

QString GnomeCustomShortcut::command() {
    gchar* quoted = g_shell_quote(ProgramCommand::path().toUtf8().constData());
    const QString program = QString::fromUtf8(quoted);
    g_free(quoted);
    return program + QLatin1Char(' ') + option;
}

void GnomeCustomShortcut::watch(std::function<void()> changed) {
    watch_ = std::make_unique<Watch>();
    watch_->changed = std::move(changed);
    watch_->list = list();
    g_signal_connect(watch_->list.get(), "changed::custom-keybindings",
                     G_CALLBACK(&Watch::onChange), watch_.get());
    watch_->follow();
}

bool GnomeCustomShortcut::isAvailable() {
    return hasSchema(listSchema) && hasSchema(entrySchema);
}

QStringList GnomeCustomShortcut::entries() {
    gchar** paths = g_settings_get_strv(list().get(), listKey);
    QStringList entries;
    for (gchar** path = paths; path && *path; ++path) {
        entries.append(QString::fromUtf8(*path));
    }
    g_strfreev(paths);
    return entries;
}

std::optional<QString> GnomeCustomShortcut::ownEntry(const QStringList& entries) {
    for (const QString& path : entries) {
        // A path that is not a settings path would abort the settings library.
        if (!path.startsWith(QLatin1Char('/')) || !path.endsWith(QLatin1Char('/'))) {
            continue;
        }
        if (runsThisProgram(stringOf(entry(path).get(), "command"))) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<QString> GnomeCustomShortcut::shortcut() const {
    const auto path = ownEntry(entries());
    if (!path) {
        return std::nullopt;
    }
    const QString binding = stringOf(entry(*path).get(), "binding");
    if (binding.isEmpty()) {
        return std::nullopt;
    }
    return ShortcutChord::readableAccelerator(binding);
}

bool GnomeCustomShortcut::add(QKeyCombination keys) {
    const auto accelerator = ShortcutChord{keys}.gtkAccelerator();
    if (!accelerator) {
        return false;
    }
    QStringList paths = entries();
    auto path = ownEntry(paths);
    if (!path) {
        // A free name in GNOME's own folder of custom entries.
        QString candidate = entriesFolder + QLatin1String("veloramac/");
        for (int suffix = 1; paths.contains(candidate); ++suffix) {
            candidate = entriesFolder + QStringLiteral("veloramac%1/").arg(suffix);
        }
        path = candidate;
    }
    const Settings settings = entry(*path);
    g_settings_set_string(settings.get(), "name", "VeloraMac: read the selection");
    g_settings_set_string(settings.get(), "command", command().toUtf8().constData());
    g_settings_set_string(settings.get(), "binding", accelerator->toUtf8().constData());
    if (!paths.contains(*path)) {
        paths.append(*path);
        setEntries(paths);
    }
    g_settings_sync();
    return true;
}

void GnomeCustomShortcut::remove() {
    QStringList paths = entries();
    const auto path = ownEntry(paths);
    if (!path) {
        return;
    }
    const Settings settings = entry(*path);
    for (const char* key : {"name", "command", "binding"}) {
        g_settings_reset(settings.get(), key);
    }
    paths.removeAll(*path);
    setEntries(paths);
    g_settings_sync();
}

} // namespace velora
