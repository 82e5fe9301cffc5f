#pragma once

#include "app/FileBytes.hpp"
#include "app/FileDescriptor.hpp"
#include "app/ImportResult.hpp"

#include <filesystem>
#include <string>
#include <variant>

namespace velora {

// A document opened for import: a regular file, checked on its open descriptor, with all its
// bytes. Readers take what they need from here and never open the path again, so a name that is
// swapped for a pipe or a device between the check and the read cannot block them.
class DocumentFile {
public:
    // A folder bundle (".rtfd") stands for the rich text file it holds.
    static std::variant<DocumentFile, ImportFailure>
    open(const std::filesystem::path& path, std::uintmax_t limit = FileBytes::defaultLimit);

    // The text after the last dot of the file name, lower-cased; empty when there is none.
    static std::string extension(const std::filesystem::path& file);

    int descriptor() const { return fd_.get(); }
    const std::string& bytes() const { return bytes_; }

private:
    DocumentFile(FileDescriptor fd, std::string bytes)
        : fd_(std::move(fd)), bytes_(std::move(bytes)) {}

    FileDescriptor fd_;
    std::string bytes_;
};

} // namespace velora
