#include "app/AtomicWrite.hpp"

#include "app/SystemCalls.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace velora {

namespace {

// mkostemp fills these with letters and digits.
constexpr std::string_view temporarySuffix = ".XXXXXX";

// As the kernel does, so that a loop of links ends.
constexpr int maxLinkHops = 40;

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = systemCalls().write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

bool isTemporaryName(const std::string& name, const std::string& file) {
    if (name.size() != file.size() + temporarySuffix.size() || !name.starts_with(file) ||
        name[file.size()] != '.') {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(file.size()) + 1, name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

} // namespace

std::filesystem::path finalTarget(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    std::error_code error;
    for (int hop = 0; hop < maxLinkHops && std::filesystem::is_symlink(current, error); ++hop) {
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) {
            break;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::string target = finalTarget(path).string();
    std::string temporary = target + std::string(temporarySuffix);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    // The data must be on disk before the rename makes it the file, or a power cut could leave
    // an empty file behind the name.
    std::error_code failure;
    if (!writeAll(fd, bytes) || systemCalls().fdatasync(fd) != 0) {
        failure = lastError();
    }
    if (systemCalls().close(fd) != 0 && !failure) {
        failure = lastError();
    }
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = lastError();
    }
    if (failure) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

void removeStaleTemporaryFiles(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entry(path.parent_path(), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (isTemporaryName(entry->path().filename().string(), name) &&
            entry->symlink_status(ignored).type() == std::filesystem::file_type::regular) {
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

} // namespace velora
