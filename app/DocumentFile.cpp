#include "app/DocumentFile.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace velora {

namespace {

// Non-blocking, so that opening a pipe without a writer returns at once.
constexpr int openFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

ImportFailure openFailure(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return ImportFailure::permissionDenied;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return ImportFailure::missing;
    default:
        return ImportFailure::damaged;
    }
}

} // namespace

std::string DocumentFile::extension(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) {
        return {};
    }
    std::string result = name.substr(dot + 1);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

std::variant<DocumentFile, ImportFailure> DocumentFile::open(const std::filesystem::path& path,
                                                             std::uintmax_t limit) {
    FileDescriptor fd(::open(path.c_str(), openFlags));
    if (fd.get() < 0) {
        return openFailure(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return ImportFailure::damaged;
    }
    if (S_ISDIR(info.st_mode) && extension(path) == "rtfd") {
        FileDescriptor inner(::openat(fd.get(), "TXT.rtf", openFlags | O_NOFOLLOW));
        if (inner.get() < 0) {
            return errno == ENOENT ? ImportFailure::damaged : openFailure(errno);
        }
        if (::fstat(inner.get(), &info) != 0) {
            return ImportFailure::damaged;
        }
        fd = std::move(inner);
    }
    if (S_ISDIR(info.st_mode)) {
        return ImportFailure::folder;
    }
    if (!S_ISREG(info.st_mode)) {
        return ImportFailure::notRegularFile;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        return ImportFailure::tooLarge;
    }
    std::optional<std::string> bytes = FileBytes::readDescriptor(fd.get(), limit);
    if (!bytes) {
        return ImportFailure::damaged;
    }
    if (bytes->empty()) {
        return ImportFailure::empty;
    }
    return DocumentFile(std::move(fd), std::move(*bytes));
}

} // namespace velora
