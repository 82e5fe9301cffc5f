#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace velora::testsupport {

// Permissions do not bind root, and the suite may run as root. A test that needs them calls
// this first: as root it runs the same test again in a child as the user nobody, checks that
// it passed there and answers false; as anyone else it answers true and the test goes on.
inline bool runningAsOrdinaryUser() {
    if (::geteuid() != 0) {
        return true;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + '.' + test->name();
    int output[2];
    if (::pipe(output) != 0) {
        ADD_FAILURE() << "no pipe";
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::dup2(output[1], STDERR_FILENO);
        ::close(output[0]);
        ::execlp("setpriv", "setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                 self.c_str(), filter.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(output[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t count; (count = ::read(output[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                said.find("[  PASSED  ] 1 test") != std::string::npos)
        << said;
    return false;
}

} // namespace velora::testsupport
