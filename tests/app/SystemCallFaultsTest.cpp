#include "app/AtomicWrite.hpp"
#include "app/FileBytes.hpp"
#include "app/SystemCalls.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace velora {
namespace {

// What the faked calls do instead of succeeding at once.
struct Faults {
    // Reads and writes move at most this many bytes each.
    std::size_t largestChunk = std::numeric_limits<std::size_t>::max();
    // Every other read and write is interrupted by a signal before it moves anything.
    bool interrupted = false;
    // The disk takes this many more bytes, then answers ENOSPC.
    std::optional<std::size_t> room = std::nullopt;
    int readError = 0;
    int syncError = 0;
    int closeError = 0;
};

Faults faults;
int calls = 0;

bool interruptNow() {
    return faults.interrupted && ++calls % 2 == 1;
}

ssize_t faultyRead(int fd, void* buffer, std::size_t count) {
    if (interruptNow()) {
        errno = EINTR;
        return -1;
    }
    if (faults.readError != 0) {
        errno = faults.readError;
        return -1;
    }
    return ::read(fd, buffer, std::min(count, faults.largestChunk));
}

ssize_t faultyWrite(int fd, const void* buffer, std::size_t count) {
    if (interruptNow()) {
        errno = EINTR;
        return -1;
    }
    count = std::min(count, faults.largestChunk);
    if (faults.room) {
        if (*faults.room == 0) {
            errno = ENOSPC;
            return -1;
        }
        count = std::min(count, *faults.room);
        *faults.room -= count;
    }
    return ::write(fd, buffer, count);
}

int faultySync(int fd) {
    if (faults.syncError != 0) {
        errno = faults.syncError;
        return -1;
    }
    return ::fdatasync(fd);
}

// Closes the descriptor either way, as Linux does, and then reports the error.
int faultyClose(int fd) {
    ::close(fd);
    if (faults.closeError != 0) {
        errno = faults.closeError;
        return -1;
    }
    return 0;
}

struct FaultCase {
    const char* name;
    Faults faults;
    // The errno the operation answers; 0 when it must succeed in spite of the faults.
    int expectedError;
};

class SystemCallFaults : public ::testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velora-calls-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ / "library.json";
        std::ofstream(file_, std::ios::binary) << before;
        saved_ = systemCalls();
        faults = GetParam().faults;
        calls = 0;
        systemCalls() = {faultyRead, faultyWrite, faultySync, faultyClose};
    }
    void TearDown() override {
        systemCalls() = saved_;
        std::filesystem::remove_all(folder_);
    }

    std::string content() const {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                      std::filesystem::directory_iterator()));
    }

    const std::string before = std::string(5000, 'o');
    const std::string after = std::string(7000, 'n');
    std::filesystem::path folder_;
    std::filesystem::path file_;
    SystemCalls saved_{};
};

// A write either replaces the whole file or leaves the old one whole, with no temporary left.
TEST_P(SystemCallFaults, WriteReplacesTheFileOrLeavesItWhole) {
    const std::error_code error = writeFileAtomically(file_, after);
    systemCalls() = saved_;
    EXPECT_EQ(error.value(), GetParam().expectedError) << error.message();
    EXPECT_EQ(content(), GetParam().expectedError == 0 ? after : before);
    EXPECT_EQ(filesInFolder(), 1U);
}

// A read gets every byte or says why it got none.
TEST_P(SystemCallFaults, ReadGetsEveryByteOrSaysWhy) {
    std::error_code error;
    const std::optional<std::string> bytes = FileBytes::read(file_, FileBytes::defaultLimit, error);
    const bool readFails = GetParam().faults.readError != 0;
    EXPECT_EQ(error.value(), readFails ? GetParam().faults.readError : 0) << error.message();
    EXPECT_EQ(bytes, readFails ? std::nullopt : std::optional(before));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SystemCallFaults,
    ::testing::Values(FaultCase{"none", {}, 0}, FaultCase{"shortTransfers", {.largestChunk = 3}, 0},
                      FaultCase{"signals", {.largestChunk = 1000, .interrupted = true}, 0},
                      FaultCase{"diskFull", {.largestChunk = 1000, .room = 2500}, ENOSPC},
                      FaultCase{"noRoomAtAll", {.room = 0}, ENOSPC},
                      FaultCase{"syncFails", {.syncError = EIO}, EIO},
                      FaultCase{"closeFails", {.closeError = EIO}, EIO},
                      FaultCase{"readFails", {.readError = EIO}, 0}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
