#include "platform/documents/TemporaryFolder.hpp"

#include <QDir>
#include <QUuid>
#include <sys/stat.h>
#include <vector>

namespace velora {

namespace {

// Unpacked archives may carry folders without read, write or search permission; remove_all
// cannot empty those, so every folder below is opened up first. Links are never followed.
void makeRemovable(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> folders{root};
    while (!folders.empty()) {
        const std::filesystem::path folder = std::move(folders.back());
        folders.pop_back();
        ::chmod(folder.c_str(), S_IRWXU);
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            // A link that points nowhere must not end the walk before the folders after it.
            std::error_code statusError;
            if (it->symlink_status(statusError).type() == std::filesystem::file_type::directory) {
                folders.push_back(it->path());
            }
        }
    }
}

} // namespace

std::filesystem::path TemporaryFolder::defaultParent() {
    return QDir::tempPath().toStdString();
}

std::optional<TemporaryFolder> TemporaryFolder::create(const std::filesystem::path& parent) {
    std::error_code error;
    std::filesystem::create_directories(parent, error);
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    std::filesystem::path path = parent / ("vl-epub-" + uuid.toStdString());
    // mkdir fails on anything already there, a planted link included.
    if (::mkdir(path.c_str(), S_IRWXU) != 0) {
        return std::nullopt;
    }
    return TemporaryFolder(std::move(path));
}

TemporaryFolder::TemporaryFolder(TemporaryFolder&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

TemporaryFolder::~TemporaryFolder() {
    if (path_.empty()) {
        return;
    }
    std::error_code error;
    if (std::filesystem::remove_all(path_, error) == static_cast<std::uintmax_t>(-1) || error) {
        makeRemovable(path_);
        std::filesystem::remove_all(path_, error);
    }
}

} // namespace velora
