#pragma once

#include "core/LibraryPayload.hpp"

#include <QString>
#include <filesystem>

// Where the library lives and what is found there at start. A pipe or a huge file in its place
// must not hold up the start, and a file that is there but unusable is never overwritten: the
// writer sets it aside first.
namespace velora::LibraryFile {

// $XDG_DATA_HOME/VeloraMac/library.json (~/.local/share when unset), its folder made.
QString location();

struct Contents {
    LibraryPayload payload;
    // False when a file is there that could not be read or decoded.
    bool usable = true;
};
// Removes what interrupted saves left behind, then reads the file; a missing file is an
// empty library.
Contents open(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace velora::LibraryFile
