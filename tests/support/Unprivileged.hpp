#pragma once

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace velora::testing {

// Root reads every file whatever its permissions, so a test of what an ordinary user may not do
// proves nothing as root. Run from such a test: as root, it runs the same test again in a child
// that dropped to an unprivileged user, expects it to pass, and answers true (the caller then
// returns); as anyone else it answers false and the test goes on.
inline bool rerunUnprivileged() {
    if (::geteuid() != 0) {
        return false;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
    const std::string command = "setpriv --reuid=nobody --regid=nogroup --clear-groups '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter='" + filter + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "as an unprivileged user: " << filter;
    return true;
}

} // namespace velora::testing
