#pragma once

#include "app/ImportResult.hpp"
#include "app/platform/DocumentReaders.hpp"

#include <QStringList>
#include <filesystem>
#include <memory>

namespace velora {

// Turns a document file into the raw text the reader loads, choosing the reader by what the
// file's first bytes say it is. Stateless apart from the readers it was given; blocks the calling
// thread, so the loader runs it on a worker.
class ImportService {
public:
    explicit ImportService(std::shared_ptr<const DocumentReaders> readers);

    // Fails with the reason when the file cannot be read or yields no text but white space.
    ImportResult importText(const std::filesystem::path& file) const;

    // The open dialog's filters: every supported document, each format, then every file.
    static QStringList nameFilters();

    // The text after the last dot of the file name, lower-cased; empty when there is none.
    static std::string extension(const std::filesystem::path& file);

private:
    ImportResult readNonBlank(const std::filesystem::path& file) const;
    ImportResult read(const std::filesystem::path& file) const;

    std::shared_ptr<const DocumentReaders> readers_;
};

} // namespace velora
