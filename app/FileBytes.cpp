#include "app/FileBytes.hpp"

#include "app/FileDescriptor.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velora::FileBytes {

std::optional<std::string> read(const std::filesystem::path& file, std::uintmax_t limit) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uintmax_t>(info.st_size) > limit) {
        return std::nullopt;
    }
    return readDescriptor(fd.get(), limit);
}

std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || static_cast<std::uintmax_t>(info.st_size) > limit) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may grow or shrink while it is read; take what is there up to the limit.
    for (;;) {
        if (filled == bytes.size()) {
            char probe = 0;
            const ssize_t extra = ::read(fd, &probe, 1);
            if (extra < 0 || (extra > 0 && bytes.size() >= limit)) {
                return std::nullopt;
            }
            if (extra == 0) {
                break;
            }
            bytes.push_back(probe);
            ++filled;
            bytes.resize(std::min<std::uintmax_t>(limit, bytes.size() * 2 + 4096));
            if (filled == bytes.size()) {
                continue;
            }
        }
        const ssize_t count = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace velora::FileBytes
