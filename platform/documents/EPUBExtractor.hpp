#pragma once

#include "app/ImportResult.hpp"
#include "platform/documents/ZipArchive.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// The text of an EPUB book: the archive unpacked by the unzip tool into a private temporary
// folder, every HTML-like file in path order stripped of its markup, chapters joined by an empty
// line. Blocks its thread; never run it on the user-interface thread.
class EPUBExtractor {
public:
    explicit EPUBExtractor(std::filesystem::path unzipTool = "/usr/bin/unzip",
                           std::filesystem::path temporaryParent = {},
                           ZipArchive::Limits limits = {});

    // The text of the book open as `descriptor`, whose bytes these are. The temporary folder is
    // gone when the call returns.
    ImportResult text(int descriptor, std::string_view bytes) const;

    // The files below `folder` whose extension is xhtml, html or htm in any case, sorted by their
    // full paths in canonical normalisation; symbolic links are left out.
    static std::vector<std::filesystem::path> htmlFiles(const std::filesystem::path& folder);

private:
    bool unzip(int descriptor, const std::filesystem::path& folder) const;

    std::filesystem::path unzipTool_;
    std::filesystem::path temporaryParent_;
    ZipArchive::Limits limits_;
};

} // namespace velora
