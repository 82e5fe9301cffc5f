#include "app/DocumentLoader.hpp"

#include "app/DocumentFile.hpp"
#include "app/LibraryStore.hpp"
#include "core/DocumentIdentity.hpp"
#include "core/Graphemes.hpp"
#include "core/LengthHyphenator.hpp"
#include "core/Sentences.hpp"
#include "core/TextEngine.hpp"
#include "core/WordRhythm.hpp"

#include <QFutureWatcher>
#include <QPointer>
#include <QPromise>
#include <new>

namespace velora {

namespace {

constexpr std::int64_t titleMaxWords = 8;
constexpr std::int64_t titleMaxChars = 60;

bool isStorable(const std::string& text) {
    return text.size() <= LibraryStore::maxStoredTextChars ||
           Graphemes::count(text) <= LibraryStore::maxStoredTextChars;
}

} // namespace

const std::atomic<bool> DocumentLoader::notCancelled{false};

// What a work thread shares with the loader; it outlives whichever of the two ends first.
struct DocumentLoader::Job {
    std::atomic<bool> cancelled{false};
    Result result{Replaced{}};
};

struct DocumentLoader::Pending {
    std::uint64_t number;
    std::shared_ptr<Job> job;
    Done done;
    Scheduler::Handle deadline;
};

DocumentLoader::DocumentLoader(ImportService importer, Scheduler& scheduler, QObject* parent)
    : QObject(parent), importer_(std::move(importer)), scheduler_(scheduler) {}

DocumentLoader::~DocumentLoader() {
    if (pending_) {
        pending_->job->cancelled = true;
        scheduler_.cancel(pending_->deadline);
    }
    // A reader stuck inside a library call cannot be stopped; rather than hang the quit, its
    // thread is left to the end of the process.
    if (!workers_->waitForDone(quitWaitMs)) {
        static_cast<void>(workers_.release());
    }
}

std::filesystem::path DocumentLoader::normalisedPath(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) {
        absolute = file;
    }
    std::filesystem::path normal = absolute.lexically_normal();
    // "/a/b/" names the same file as "/a/b".
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

DocumentLoader::Result DocumentLoader::prepare(std::string text,
                                               const std::optional<std::filesystem::path>& file,
                                               const std::atomic<bool>& cancelled,
                                               const std::string& recognisedFrom) {
    try {
        PreparedDocument document;
        TextEngine::CleanedWords read = TextEngine::cleanAndTokenize(text);
        text = std::string();
        std::string cleaned = std::move(read.text);
        document.words = std::move(read.words);
        if (cancelled) {
            return Replaced{};
        }
        document.starts = Sentences::of(document.words, cleaned);
        if (cancelled) {
            return Replaced{};
        }
        if (file) {
            const std::filesystem::path path = normalisedPath(*file);
            document.key = DocumentIdentity::fileKey(path.string());
            document.title = path.filename().string();
            document.kind = ReadingHistoryEntry::Kind::file;
            document.filePath = path.string();
            if (!recognisedFrom.empty() && isStorable(cleaned)) {
                document.storedText = std::move(cleaned);
                document.recognisedFrom = recognisedFrom;
            }
        } else {
            document.key = DocumentIdentity::textKey(cleaned);
            document.title = DocumentIdentity::title(cleaned, titleMaxWords, titleMaxChars);
            if (isStorable(cleaned)) {
                document.storedText = std::move(cleaned);
            }
        }
        return document;
    } catch (const std::bad_alloc&) {
        return ImportFailure::tooLarge;
    }
}

DocumentLoader::Result DocumentLoader::importAndPrepare(const ImportService& importer,
                                                        const std::filesystem::path& file,
                                                        const ReadingMonitor& monitor) {
    const std::atomic<bool>& cancelled = monitor.cancelled ? *monitor.cancelled : notCancelled;
    ImportResult imported = importer.importText(file, &monitor);
    if (cancelled) {
        return Replaced{};
    }
    if (!imported.ok()) {
        return imported.failure();
    }
    return prepare(std::move(imported.text()), file, cancelled, imported.sourceFingerprint());
}

DocumentLoader::Result DocumentLoader::reuseOrImport(const ImportService& importer,
                                                     const std::filesystem::path& file,
                                                     const RecognisedText& known,
                                                     const ReadingMonitor& monitor) {
    {
        const auto opened = DocumentFile::open(file);
        if (const auto* failure = std::get_if<ImportFailure>(&opened)) {
            return *failure;
        }
        if (ImportService::fingerprint(std::get<DocumentFile>(opened).bytes()) !=
            known.fingerprint) {
            return importAndPrepare(importer, file, monitor);
        }
    }
    return prepare(known.text, file, *monitor.cancelled, known.fingerprint);
}

void DocumentLoader::loadText(std::string text, std::optional<std::filesystem::path> file,
                              Done done) {
    start(
        [text = std::move(text), file = std::move(file)](const ReadingMonitor& monitor) mutable {
            return prepare(std::move(text), file, *monitor.cancelled);
        },
        std::move(done));
}

void DocumentLoader::loadText(QString text, Done done) {
    start(
        [text = std::move(text)](const ReadingMonitor& monitor) mutable {
            std::string utf8 = text.toStdString();
            text = QString();
            return prepare(std::move(utf8), std::nullopt, *monitor.cancelled);
        },
        std::move(done));
}

void DocumentLoader::loadFile(std::filesystem::path file, Done done,
                              std::optional<RecognisedText> known) {
    start(
        [importer = importer_, file = std::move(file),
         known = std::move(known)](const ReadingMonitor& monitor) {
            return known ? reuseOrImport(importer, file, *known, monitor)
                         : importAndPrepare(importer, file, monitor);
        },
        std::move(done));
}

void DocumentLoader::setHyphenation(std::shared_ptr<const HyphenationSource> source) {
    hyphenation_ = std::move(source);
}

DocumentLoader::Rhythm DocumentLoader::rhythmOf(const std::vector<Word>& words,
                                                const TextStarts& starts,
                                                const HyphenationSource* source) {
    // The language shows in the first words; the whole of a book would only cost time.
    constexpr std::size_t sampleBytes = 2000;
    std::string sample;
    for (const Word& word : words) {
        if (sample.size() >= sampleBytes) {
            break;
        }
        sample += word.text;
        sample += ' ';
    }
    Rhythm rhythm;
    rhythm.hyphenator =
        source != nullptr ? source->forText(sample) : std::make_shared<LengthHyphenator>();
    try {
        rhythm.weights = WordRhythm::weights(words, starts, *rhythm.hyphenator);
    } catch (const std::bad_alloc&) {
        // Without weights the text reads at the plain timing.
        rhythm.weights.clear();
    }
    return rhythm;
}

void DocumentLoader::addRhythm(PreparedDocument& document, const HyphenationSource* source) {
    Rhythm rhythm = rhythmOf(document.words, document.starts, source);
    document.hyphenator = std::move(rhythm.hyphenator);
    document.rhythmWeights = std::move(rhythm.weights);
}

void DocumentLoader::weigh(std::shared_ptr<const std::vector<Word>> words, TextStarts starts,
                           std::function<void(Rhythm)> done) {
    auto promise = std::make_shared<QPromise<Rhythm>>();
    auto* watcher = new QFutureWatcher<Rhythm>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        QFuture<Rhythm> future = watcher->future();
        if (future.resultCount() > 0) {
            done(future.takeResult());
        }
    });
    watcher->setFuture(promise->future());
    promise->start();
    workers_->start([promise, words = std::move(words), starts = std::move(starts),
                     hyphenation = hyphenation_] {
        promise->addResult(rhythmOf(*words, starts, hyphenation.get()));
        promise->finish();
    });
}

void DocumentLoader::cancel() {
    if (pending_) {
        finish(pending_->number, ImportFailure::cancelled);
    }
}

Scheduler::Handle DocumentLoader::deadlineFor(std::uint64_t number) {
    return scheduler_.after(timeBound, [self = QPointer(this), number] {
        if (self) {
            self->finish(number, ImportFailure::timedOut);
        }
    });
}

void DocumentLoader::start(Work work, Done done) {
    if (pending_) {
        finish(pending_->number, Replaced{});
    }
    const std::uint64_t number = ++lastRequest_;
    auto job = std::make_shared<Job>();
    pending_ =
        std::make_unique<Pending>(Pending{number, job, std::move(done), deadlineFor(number)});

    // The watcher belongs to the loader, so the answer comes on the main thread and never after
    // the loader is gone.
    auto promise = std::make_shared<QPromise<void>>();
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, job, number] {
        watcher->deleteLater();
        if (pending_ && pending_->number == number) {
            finish(number, std::move(job->result));
        }
    });
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this, watcher, number](int page) {
                if (!pending_ || pending_->number != number) {
                    return;
                }
                scheduler_.cancel(pending_->deadline);
                pending_->deadline = deadlineFor(number);
                emit recognisingPage(page, watcher->progressMaximum());
            });
    watcher->setFuture(promise->future());
    promise->start();
    // A reserved thread starts at once even while replaced or stuck readers hold the others.
    workers_->reserveThread();
    workers_->startOnReservedThread(
        [promise, job, work = std::move(work), hyphenation = hyphenation_, weighs = weighsWords_] {
            int range = -1;
            const ReadingMonitor monitor{&job->cancelled, [&promise, &range](int page, int pages) {
                                             if (pages != range) {
                                                 range = pages;
                                                 promise->setProgressRange(0, pages);
                                             }
                                             promise->setProgressValue(page);
                                         }};
            job->result = work(monitor);
            if (auto* document = std::get_if<PreparedDocument>(&job->result);
                document != nullptr && weighs && !job->cancelled) {
                addRhythm(*document, hyphenation.get());
            }
            // A result nobody will install is freed here, not on the main thread.
            if (job->cancelled) {
                job->result = Replaced{};
            }
            promise->finish();
        });
}

void DocumentLoader::finish(std::uint64_t number, Result result) {
    if (!pending_ || pending_->number != number) {
        return;
    }
    const std::unique_ptr<Pending> pending = std::move(pending_);
    pending->job->cancelled = true;
    scheduler_.cancel(pending->deadline);
    if (pending->done) {
        pending->done(std::move(result));
    }
}

} // namespace velora
