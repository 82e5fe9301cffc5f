#pragma once

#include <unistd.h>
#include <utility>

namespace velora {

// An open file descriptor, closed with its owner; negative when the open failed.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~FileDescriptor() { reset(); }
    int get() const { return fd_; }

private:
    void reset() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int fd_;
};

} // namespace velora
