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
    // A slow reader reports to `monitor` and stops when it cancels.
    ImportResult importText(const std::filesystem::path& file,
                            const ReadingMonitor* monitor = nullptr) const;

    // Names the bytes of a file, so that text recognised from it is used again only while the
    // file stays as it was.
    static std::string fingerprint(std::string_view bytes);

    // The open dialog's filters: every supported document, each format, then every file.
    static QStringList nameFilters();

private:
    ImportResult readNonBlank(const std::filesystem::path& file,
                              const ReadingMonitor* monitor) const;
    ImportResult read(const std::filesystem::path& file, const ReadingMonitor* monitor) const;

    std::shared_ptr<const DocumentReaders> readers_;
};

} // namespace velora
