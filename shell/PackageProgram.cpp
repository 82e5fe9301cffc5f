#include "shell/PackageProgram.hpp"

#include <unistd.h>

namespace velora::PackageProgram {

std::filesystem::path self() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

void run(const char* name, char* const* argv) {
    if (const std::filesystem::path running = self(); !running.empty()) {
        const std::filesystem::path folder = running.parent_path();
        ::execv((folder / name).c_str(), argv);
        ::execv((folder / VELORA_PROGRAM_FOLDER_FROM_PROGRAM / name).c_str(), argv);
    }
    ::execv((std::filesystem::path(VELORA_PROGRAM_FOLDER) / name).c_str(), argv);
}

} // namespace velora::PackageProgram
