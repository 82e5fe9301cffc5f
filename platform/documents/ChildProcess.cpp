#include "platform/documents/ChildProcess.hpp"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace velora::ChildProcess {

namespace {

using Clock = std::chrono::steady_clock;

class Pipe {
public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) {
            fds_[0] = fds_[1] = -1;
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    bool valid() const { return fds_[0] >= 0; }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void closeRead() { closeOne(fds_[0]); }
    void closeWrite() { closeOne(fds_[1]); }

private:
    static void closeOne(int& fd) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    int fds_[2]{-1, -1};
};

class SpawnActions {
public:
    SpawnActions() { ok_ = ::posix_spawn_file_actions_init(&actions_) == 0; }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions() {
        if (ok_) {
            ::posix_spawn_file_actions_destroy(&actions_);
        }
    }
    void open(int fd, const char* path, int flags) {
        ok_ = ok_ && ::posix_spawn_file_actions_addopen(&actions_, fd, path, flags, 0) == 0;
    }
    void duplicate(int from, int to) {
        ok_ = ok_ && ::posix_spawn_file_actions_adddup2(&actions_, from, to) == 0;
    }
    bool ok() const { return ok_; }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

// Reaps the child, killing it first when the deadline has passed.
bool exitedCleanly(pid_t pid, Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        if (done < 0 && errno != EINTR) {
            return false;
        }
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Reads the pipe to its end; false when the deadline or the size limit was reached first.
bool drain(int fd, std::string& output, Clock::time_point deadline, std::size_t limit) {
    char buffer[65536];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return count == 0;
        }
        if (output.size() + static_cast<std::size_t>(count) > limit) {
            return false;
        }
        output.append(buffer, static_cast<std::size_t>(count));
    }
}

constexpr int passedFileNumber = 3;

} // namespace

std::optional<std::string> run(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments, const Options& options) {
    const Clock::time_point deadline = Clock::now() + options.timeout;
    Pipe pipe;
    SpawnActions actions;
    actions.open(STDIN_FILENO, "/dev/null", O_RDONLY);
    actions.open(STDERR_FILENO, "/dev/null", O_WRONLY);
    if (options.output == Output::capture) {
        if (!pipe.valid()) {
            return std::nullopt;
        }
        actions.duplicate(pipe.writeEnd(), STDOUT_FILENO);
    } else {
        actions.open(STDOUT_FILENO, "/dev/null", O_WRONLY);
    }
    if (options.passedFile >= 0) {
        actions.duplicate(options.passedFile, passedFileNumber);
    }
    if (!actions.ok()) {
        return std::nullopt;
    }
    std::vector<std::string> argvStrings{program.string()};
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argvStrings) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    std::string output;
    bool complete = true;
    if (options.output == Output::capture) {
        pipe.closeWrite();
        complete = drain(pipe.readEnd(), output, deadline, options.maxOutput);
        if (!complete) {
            ::kill(pid, SIGKILL);
        }
    }
    const bool succeeded = exitedCleanly(pid, deadline);
    if (!complete || !succeeded) {
        return std::nullopt;
    }
    return output;
}

} // namespace velora::ChildProcess
