#pragma once

#include "app/LibraryStore.hpp"
#include "app/PreparedDocument.hpp"
#include "app/ScheduledTask.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/ReaderEngine.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace velora {

// Turns stretches of reading into the library's statistics and the document's saved position.
// A stretch runs from play to pause or to a jump; while it runs it is saved every 30 s, so that
// an end the program never sees (kill -9, a crash, power lost) costs at most that much reading.
// Main thread only; the library, the scheduler and the engine must outlive it.
class ReadingRecorder {
public:
    ReadingRecorder(LibraryStore& library, Scheduler& scheduler, const ReaderEngine& engine);
    ReadingRecorder(const ReadingRecorder&) = delete;
    ReadingRecorder& operator=(const ReadingRecorder&) = delete;

    // Registers a loaded document of `wordCount` words in the library as one more session;
    // later stretches save their position in its entry, which is answered as stored.
    ReadingHistoryEntry open(const PreparedDocument& document, std::int64_t wordCount);
    // Starts a stretch at the engine's position.
    void begin();
    // Records the stretch, if one runs, and stops it.
    void end();
    // Records the stretch so far; it goes on from here.
    void save();
    // Whether reading stopped at the engine's position more than a minute ago, losing the
    // thread of the sentence; asked once, when play resumes.
    bool takeLongPause();
    // A position the reader chose is where reading goes on, however long ago it stopped.
    void forgetStop() { lastStop_.reset(); }
    // While the scrubber is held, seeks move the reader but the library is written once, when
    // it is let go.
    void beginScrub();
    void endScrub() { scrubBatch_.reset(); }

private:
    void scheduleCheckpoint();

    LibraryStore& library_;
    Scheduler& scheduler_;
    const ReaderEngine& engine_;
    // None for the welcome text, which has no entry.
    std::optional<std::string> documentKey_;
    std::optional<double> startedAt_;
    std::int64_t startIndex_ = 0;
    // When and where the last stretch stopped.
    struct Stop {
        double at;
        std::int64_t index;
    };
    std::optional<Stop> lastStop_;
    std::unique_ptr<LibraryStore::Batch> scrubBatch_;
    ScheduledTask checkpointTask_{scheduler_};
};

} // namespace velora
