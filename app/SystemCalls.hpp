#pragma once

#include <cstddef>
#include <sys/types.h>

namespace velora {

// The system calls whose failures the file helpers must survive, reached through one table so
// that a test can make them fail as a full disk, a signal or a pipe-like device would. Reading
// a pointer costs nothing beside the call itself.
struct SystemCalls {
    ssize_t (*read)(int fd, void* buffer, std::size_t count);
    ssize_t (*write)(int fd, const void* buffer, std::size_t count);
    int (*fdatasync)(int fd);
    int (*close)(int fd);
};

// The C library's calls, unless a test has put its own in their place.
SystemCalls& systemCalls();

} // namespace velora
