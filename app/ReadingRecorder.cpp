#include "app/ReadingRecorder.hpp"

#include <algorithm>

namespace velora {

namespace {

constexpr Scheduler::Seconds checkpointInterval{30.0};
constexpr double longPauseSeconds = 60.0;

} // namespace

ReadingRecorder::ReadingRecorder(LibraryStore& library, Scheduler& scheduler,
                                 const ReaderEngine& engine)
    : library_(library), scheduler_(scheduler), engine_(engine) {}

ReadingHistoryEntry ReadingRecorder::open(const PreparedDocument& document,
                                          std::int64_t wordCount) {
    ReadingHistoryEntry entry =
        library_.registerDocument(document.key, document.title, document.kind, wordCount,
                                  document.filePath, document.storedText, document.recognisedFrom);
    library_.recordSession();
    documentKey_ = document.key;
    return entry;
}

void ReadingRecorder::begin() {
    startedAt_ = scheduler_.now();
    startIndex_ = engine_.index();
    scheduleCheckpoint();
}

void ReadingRecorder::end() {
    checkpointTask_.cancel();
    if (!startedAt_) {
        return;
    }
    const double elapsed = scheduler_.now() - *startedAt_;
    startedAt_.reset();
    lastStop_ = Stop{scheduler_.now(), engine_.index()};
    const std::int64_t words = std::max<std::int64_t>(engine_.index() - startIndex_, 0);
    const LibraryStore::Batch batch(library_);
    library_.addReading(words, elapsed);
    if (documentKey_) {
        library_.updateProgress(*documentKey_, engine_.index());
    }
}

void ReadingRecorder::save() {
    if (!startedAt_) {
        return;
    }
    end();
    begin();
}

bool ReadingRecorder::takeLongPause() {
    const std::optional<Stop> stop = std::exchange(lastStop_, std::nullopt);
    return stop && stop->index == engine_.index() && scheduler_.now() - stop->at > longPauseSeconds;
}

void ReadingRecorder::beginScrub() {
    if (!scrubBatch_) {
        scrubBatch_ = std::make_unique<LibraryStore::Batch>(library_);
    }
}

void ReadingRecorder::scheduleCheckpoint() {
    // Cancelled with the recorder and at every end, so it only runs inside a stretch.
    checkpointTask_.start(checkpointInterval, [this] { save(); });
}

} // namespace velora
