#pragma once

#include "app/ImportResult.hpp"
#include "app/ImportService.hpp"
#include "app/PreparedDocument.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/HyphenationSource.hpp"

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace velora {

// The one road of every document into the reader: reading, recognising, decoding, cleaning,
// splitting into words and naming it run on a thread of its own; the main thread only gets the
// prepared document. Only the latest request is answered with its result: an earlier one still
// on its way is answered as replaced at once, and one that runs past the time bound as timed out.
// Main thread only; the work threads are never waited for.
class DocumentLoader : public QObject {
    Q_OBJECT

public:
    struct Replaced {};
    using Result = std::variant<PreparedDocument, ImportFailure, Replaced>;
    using Done = std::function<void(Result)>;

    // A stuck reader gives way after this; its thread is left to finish on its own.
    static constexpr Scheduler::Seconds timeBound{120};

    DocumentLoader(ImportService importer, Scheduler& scheduler, QObject* parent = nullptr);
    ~DocumentLoader() override;

    // `text` as the document; a file text when `file` is given, a selection otherwise.
    void loadText(std::string text, std::optional<std::filesystem::path> file, Done done);
    // A selection in Qt's text, which a 7 MB selection takes a frame to turn into UTF-8.
    void loadText(QString text, Done done);
    void loadFile(std::filesystem::path file, Done done);
    // Where later loads take the patterns for their words' rhythm; the length rule until set.
    void setHyphenation(std::shared_ptr<const HyphenationSource> source);
    // The text's patterns and its words' weights, added to a prepared document.
    static void addRhythm(PreparedDocument& document, const HyphenationSource* source);

    // The same preparation on the calling thread; `cancelled` stops it between steps.
    static Result prepare(std::string text, const std::optional<std::filesystem::path>& file,
                          const std::atomic<bool>& cancelled = notCancelled);
    static Result importAndPrepare(const ImportService& importer, const std::filesystem::path& file,
                                   const std::atomic<bool>& cancelled = notCancelled);

    // Absolute, without ".", ".." or doubled slashes, so one file has one library key.
    static std::filesystem::path normalisedPath(const std::filesystem::path& file);

private:
    using Work = std::function<Result(const std::atomic<bool>& cancelled)>;
    struct Job;
    struct Pending;

    void start(Work work, Done done);
    void finish(std::uint64_t number, Result result);

    static const std::atomic<bool> notCancelled;

    ImportService importer_;
    Scheduler& scheduler_;
    std::shared_ptr<const HyphenationSource> hyphenation_;
    std::uint64_t lastRequest_ = 0;
    std::unique_ptr<Pending> pending_;
};

} // namespace velora
