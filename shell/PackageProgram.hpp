#pragma once

#include <filesystem>

namespace velora::PackageProgram {

// The path of the running program; empty when the system does not say.
std::filesystem::path self();

// Replaces this process with the package's program `name`, given `argv`: the one beside the
// running program first, so that a build runs its own; then the installed one, found from the
// running program's folder, so that an unpacked or moved package runs its own too; then the one
// at the installed path. Returns only when none starts, with errno saying why.
void run(const char* name, char* const* argv);

} // namespace velora::PackageProgram
