#include "app/LibraryFile.hpp"

#include "app/AtomicWrite.hpp"
#include "app/FileBytes.hpp"
#include "app/LogCategories.hpp"

#include <QDir>
#include <QStandardPaths>

namespace velora::LibraryFile {

QString location() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    const QString folder = base + QStringLiteral("/VeloraMac");
    QDir().mkpath(folder);
    return folder + QStringLiteral("/library.json");
}

Contents open(const std::filesystem::path& file, std::size_t maxBytes) {
    removeStaleTemporaryFiles(file);
    if (const std::filesystem::path target = finalTarget(file); target != file) {
        removeStaleTemporaryFiles(target);
    }
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return {};
    }
    // Opened without blocking and read only when it is a regular file of a plausible size.
    const std::optional<std::string> bytes = FileBytes::read(file, maxBytes, error);
    if (!bytes) {
        qCWarning(lcLibrary, "%s cannot be read (%s); it is set aside before the next save",
                  file.c_str(), error.message().c_str());
        return {{}, false};
    }
    std::optional<LibraryPayload> payload = LibraryPayload::decode(*bytes);
    if (!payload) {
        qCWarning(lcLibrary, "%s is damaged; it is set aside before the next save", file.c_str());
        return {{}, false};
    }
    return {std::move(*payload), true};
}

} // namespace velora::LibraryFile
