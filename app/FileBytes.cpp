#include "app/FileBytes.hpp"

#include "app/FileDescriptor.hpp"
#include "app/SystemCalls.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velora::FileBytes {

namespace {

class RefusalCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "velora.file"; }
    std::string message(int value) const override {
        switch (static_cast<Refusal>(value)) {
        case Refusal::notRegularFile:
            return "not a regular file";
        case Refusal::tooLarge:
            return "larger than the limit";
        }
        return "refused";
    }
};

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// A signal is no reason to lose a file: an interrupted read is taken up again.
ssize_t readSome(int fd, char* into, std::size_t size) {
    ssize_t count = 0;
    do {
        count = systemCalls().read(fd, into, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

} // namespace

std::error_code make_error_code(Refusal refusal) {
    static const RefusalCategory category;
    return {static_cast<int>(refusal), category};
}

std::optional<std::string> read(const std::filesystem::path& file, std::uintmax_t limit,
                                std::error_code& error) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        error = lastError();
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = Refusal::notRegularFile;
        return std::nullopt;
    }
    return readDescriptor(fd.get(), limit, error);
}

std::optional<std::string> read(const std::filesystem::path& file, std::uintmax_t limit) {
    std::error_code ignored;
    return read(file, limit, ignored);
}

std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit, std::error_code& error) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = lastError();
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        error = Refusal::tooLarge;
        return std::nullopt;
    }
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may grow or shrink while it is read; take what is there up to the limit.
    for (;;) {
        if (filled == bytes.size()) {
            char probe = 0;
            const ssize_t extra = readSome(fd, &probe, 1);
            if (extra < 0) {
                error = lastError();
                return std::nullopt;
            }
            if (extra > 0 && bytes.size() >= limit) {
                error = Refusal::tooLarge;
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
        const ssize_t count = readSome(fd, bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            error = lastError();
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

std::optional<std::string> readDescriptor(int fd, std::uintmax_t limit) {
    std::error_code ignored;
    return readDescriptor(fd, limit, ignored);
}

} // namespace velora::FileBytes
