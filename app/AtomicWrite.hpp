#pragma once

#include <QString>
#include <string_view>

namespace velora {

// Replaces the file at `path` with `bytes` through a temporary file in the same folder, so the
// path always names either the old or the new complete content. Answers false, leaving the old
// file untouched, when any step fails; a short write counts as a failure.
bool writeFileAtomically(const QString& path, std::string_view bytes);

} // namespace velora
