#pragma once

#include "app/ImportResult.hpp"
#include "app/ImportService.hpp"
#include "app/PreparedDocument.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/HyphenationSource.hpp"

#include <QObject>
#include <QString>
#include <QThreadPool>
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
// Main thread only; the work threads are cancelled and joined when the loader goes.
class DocumentLoader : public QObject {
    Q_OBJECT

public:
    struct Replaced {};
    using Result = std::variant<PreparedDocument, ImportFailure, Replaced>;
    using Done = std::function<void(Result)>;

    // A stuck reader gives way after this; its thread is left to finish on its own. Each page
    // read by text recognition starts the bound again, so a long scan is not cut short.
    static constexpr Scheduler::Seconds timeBound{120};
    // How long quitting waits for readers to notice they are cancelled.
    static constexpr int quitWaitMs = 5000;

    // Text recognised before from the file whose bytes had this fingerprint.
    struct RecognisedText {
        std::string fingerprint;
        std::string text;
    };

    DocumentLoader(ImportService importer, Scheduler& scheduler, QObject* parent = nullptr);
    ~DocumentLoader() override;

    // `text` as the document; a file text when `file` is given, a selection otherwise.
    void loadText(std::string text, std::optional<std::filesystem::path> file, Done done);
    // A selection in Qt's text, which a 7 MB selection takes a frame to turn into UTF-8.
    void loadText(QString text, Done done);
    // `known` is used instead of reading the file again while the file is unchanged.
    void loadFile(std::filesystem::path file, Done done,
                  std::optional<RecognisedText> known = std::nullopt);
    // Answers the request on its way as cancelled.
    void cancel();
    bool isLoading() const { return pending_ != nullptr; }
    // Where later loads take the patterns for their words' rhythm; the length rule until set.
    void setHyphenation(std::shared_ptr<const HyphenationSource> source);
    // Whether later loads find their patterns and weigh their words: a language's patterns take
    // seconds to load, which a reader without the rhythm or the pieces should not pay.
    void setWeighsWords(bool weighs) { weighsWords_ = weighs; }

    struct Rhythm {
        std::shared_ptr<const Hyphenator> hyphenator;
        std::vector<double> weights;
    };
    // A text's patterns and its words' weights (WordRhythm).
    static Rhythm rhythmOf(const std::vector<Word>& words, const TextStarts& starts,
                           const HyphenationSource* source);
    // The same, added to a prepared document.
    static void addRhythm(PreparedDocument& document, const HyphenationSource* source);
    // The rhythm of words loaded without it, worked out on a worker; `done` runs on the main
    // thread, never after the loader is gone.
    void weigh(std::shared_ptr<const std::vector<Word>> words, TextStarts starts,
               std::function<void(Rhythm)> done);

    // The same preparation on the calling thread; `cancelled` stops it between steps. Text
    // recognised from a file (`recognisedFrom` its fingerprint) is kept for the library.
    static Result prepare(std::string text, const std::optional<std::filesystem::path>& file,
                          const std::atomic<bool>& cancelled = notCancelled,
                          const std::string& recognisedFrom = {});
    static Result importAndPrepare(const ImportService& importer, const std::filesystem::path& file,
                                   const ReadingMonitor& monitor = {});

    // Absolute, without ".", ".." or doubled slashes, so one file has one library key.
    static std::filesystem::path normalisedPath(const std::filesystem::path& file);

signals:
    // The latest request's reader went on to recognise the text of this page.
    void recognisingPage(int page, int pages);

private:
    using Work = std::function<Result(const ReadingMonitor& monitor)>;
    struct Job;
    struct Pending;

    void start(Work work, Done done);
    void finish(std::uint64_t number, Result result);
    Scheduler::Handle deadlineFor(std::uint64_t number);
    static Result reuseOrImport(const ImportService& importer, const std::filesystem::path& file,
                                const RecognisedText& known, const ReadingMonitor& monitor);

    static const std::atomic<bool> notCancelled;

    ImportService importer_;
    Scheduler& scheduler_;
    std::shared_ptr<const HyphenationSource> hyphenation_;
    bool weighsWords_ = true;
    std::uint64_t lastRequest_ = 0;
    std::unique_ptr<Pending> pending_;
    std::unique_ptr<QThreadPool> workers_ = std::make_unique<QThreadPool>();
};

} // namespace velora
