#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace velora {

// The file that `path` names once every symbolic link on the way is followed, also when the
// last link points nowhere yet. A link's target is what gets replaced, so the link survives.
std::filesystem::path finalTarget(const std::filesystem::path& path);

// Replaces the file that `path` names (see finalTarget) with `bytes` through a temporary file in
// the same folder, so it always holds either the old or the new complete content. Answers the
// failure, leaving the old file untouched, when any step fails; a short write counts as one.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Removes what interrupted writes of `path` left behind: only regular files in its folder whose
// names are the file's name and the suffix that writeFileAtomically gives its temporary files.
void removeStaleTemporaryFiles(const std::filesystem::path& path);

} // namespace velora
