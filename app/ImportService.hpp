#pragma once

#include "app/platform/DocumentReaders.hpp"

#include <QFuture>
#include <QObject>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace velora {

// Turns a document file into the raw text the reader loads, choosing the reader by the file's
// lower-cased extension. Stateless apart from the readers it was given.
class ImportService {
public:
    using Result = std::optional<std::string>;

    explicit ImportService(std::shared_ptr<const DocumentReaders> readers);

    // Reads on a worker thread and calls `done` on the calling thread, which must be the thread
    // of `receiver`; never once `receiver` is gone. Absent when the file cannot be read or yields
    // no text but white space.
    void importText(const std::filesystem::path& file, QObject* receiver,
                    std::function<void(Result)> done) const;
    QFuture<Result> importText(const std::filesystem::path& file) const;

    // The same read on the calling thread, for the command line and the worker.
    Result importTextNow(const std::filesystem::path& file) const;

    // The MIME types the open panel offers, in order, and the panel's name filters for them
    // (the first filter takes every supported file).
    static const QStringList& supportedTypes();
    static QStringList nameFilters();

    // The text after the last dot of the file name, lower-cased; empty when there is none.
    static std::string extension(const std::filesystem::path& file);

private:
    Result read(const std::filesystem::path& file) const;

    std::shared_ptr<const DocumentReaders> readers_;
};

} // namespace velora
