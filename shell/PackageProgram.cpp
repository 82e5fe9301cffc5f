#include "shell/PackageProgram.hpp"

#include <unistd.h>

namespace velora::PackageProgram {

std::filesystem::path self() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

void run(const char* name, const char* installed, char* const* argv) {
    if (const std::filesystem::path running = self(); !running.empty()) {
        ::execv((running.parent_path() / name).c_str(), argv);
    }
    ::execv(installed, argv);
}

} // namespace velora::PackageProgram
