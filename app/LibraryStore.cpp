#include "app/LibraryStore.hpp"

#include "app/LibraryFile.hpp"
#include "app/LibraryWriter.hpp"
#include "app/LogCategories.hpp"
#include "core/Graphemes.hpp"
#include "core/JsonFields.hpp"
#include "core/LibraryPayload.hpp"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace velora {

LibraryStore::LibraryStore(QObject* parent) : LibraryStore(&TimePoint::now, parent) {}

LibraryStore::LibraryStore(Clock clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), filePath_(LibraryFile::location()) {
    const std::filesystem::path file = QFile::encodeName(filePath_).toStdString();
    LibraryFile::Contents found = LibraryFile::open(file, maxFileBytes);
    entries_ = std::move(found.payload.entries);
    stats_ = found.payload.stats;
    writer_ = std::make_unique<LibraryWriter>(file, !found.usable);
    connect(writer_.get(), &LibraryWriter::written, this, &LibraryStore::written);
}

LibraryStore::~LibraryStore() {
    closing_ = true;
    flush();
    // Joins the writer before the members its answers would touch go.
    writer_.reset();
}

std::vector<ReadingHistoryEntry> LibraryStore::recents() const {
    std::vector<ReadingHistoryEntry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.updatedAt > b.updatedAt; });
    return sorted;
}

void LibraryStore::keepText(ReadingHistoryEntry& entry, const std::optional<std::string>& text,
                            const std::optional<std::string>& recognisedFrom) const {
    const bool file = entry.kind == ReadingHistoryEntry::Kind::file;
    entry.storedText = file && !recognisedFrom ? std::nullopt : keptText(text);
    entry.recognisedFrom = file && entry.storedText ? recognisedFrom : std::nullopt;
}

std::optional<std::string> LibraryStore::keptText(const std::optional<std::string>& text) const {
    if (!text) {
        return std::nullopt;
    }
    // A character takes at least one byte, so a short enough text needs no counting.
    if (text->size() > maxStoredTextChars && Graphemes::count(*text) > maxStoredTextChars) {
        return std::nullopt;
    }
    // Escaping takes at most six bytes for one, so a short enough text needs no encoding.
    constexpr std::size_t quotes = 2;
    if (text->size() * 6 + quotes > maxStoredTextBytes &&
        JsonFields::dump(nlohmann::json(*text)).size() > maxStoredTextBytes) {
        return std::nullopt;
    }
    return text;
}

ReadingHistoryEntry
LibraryStore::registerDocument(const std::string& id, const std::string& title,
                               ReadingHistoryEntry::Kind kind, std::int64_t wordCount,
                               const std::optional<std::string>& filePath,
                               const std::optional<std::string>& storedText,
                               const std::optional<std::string>& recognisedFrom) {
    auto existing = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return entry.id == id; });
    if (existing != entries_.end()) {
        ReadingHistoryEntry updated = *existing;
        updated.title = title;
        updated.wordCount = wordCount;
        updated.updatedAt = clock_();
        if (!updated.filePath) {
            updated.filePath = filePath;
        }
        keepText(updated, storedText, recognisedFrom);
        // Finished, or the text has shrunk below the position: start again.
        if (updated.lastIndex >= updated.wordCount) {
            updated.lastIndex = 0;
        }
        *existing = updated;
        emit entriesChanged();
        save();
        return updated;
    }

    ReadingHistoryEntry entry{.id = id,
                              .title = title,
                              .kind = kind,
                              .wordCount = wordCount,
                              .lastIndex = 0,
                              .updatedAt = clock_(),
                              .filePath = filePath,
                              .storedText = std::nullopt,
                              .recognisedFrom = std::nullopt};
    keepText(entry, storedText, recognisedFrom);
    entries_.push_back(entry);
    stats_.documentsOpened += 1;
    trim();
    emit entriesChanged();
    emit statsChanged();
    save();
    return entry;
}

void LibraryStore::recordSession() {
    stats_.sessions += 1;
    emit statsChanged();
    save();
}

void LibraryStore::addReading(std::int64_t words, double seconds) {
    const ReadingStats before = stats_;
    stats_.add(words, seconds, today());
    if (stats_ != before) {
        emit statsChanged();
    }
    save();
}

void LibraryStore::updateProgress(const std::string& id, std::int64_t lastIndex) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const auto& candidate) { return candidate.id == id; });
    if (entry == entries_.end()) {
        return;
    }
    entry->lastIndex = std::max<std::int64_t>(std::min(lastIndex, entry->wordCount), 0);
    entry->updatedAt = clock_();
    emit entriesChanged();
    save();
}

void LibraryStore::remove(const std::string& id) {
    const auto removed = std::erase_if(entries_, [&](const auto& entry) { return entry.id == id; });
    if (removed > 0) {
        emit entriesChanged();
    }
    save();
}

void LibraryStore::clearHistory() {
    if (!entries_.empty()) {
        entries_.clear();
        emit entriesChanged();
    }
    save();
}

std::int64_t LibraryStore::today() const {
    constexpr qint64 referenceDate = 978307200; // 2001-01-01 00:00:00 UTC in Unix time
    const auto seconds = static_cast<qint64>(std::floor(clock_().secondsSinceReferenceDate));
    const QDate local = QDateTime::fromSecsSinceEpoch(referenceDate + seconds).toLocalTime().date();
    return QDate(2001, 1, 1).daysTo(local);
}

void LibraryStore::resetStats() {
    if (stats_ != ReadingStats{}) {
        stats_ = ReadingStats{};
        emit statsChanged();
    }
    save();
}

void LibraryStore::trim() {
    if (entries_.size() <= maxEntries) {
        return;
    }
    // The entry just added is kept even when the clock has gone back since older entries were
    // stamped; it takes the place its time gives it among the newest others.
    ReadingHistoryEntry added = std::move(entries_.back());
    entries_.pop_back();
    entries_ = recents();
    entries_.resize(maxEntries - 1);
    const auto place =
        std::upper_bound(entries_.begin(), entries_.end(), added,
                         [](const auto& a, const auto& b) { return a.updatedAt > b.updatedAt; });
    entries_.insert(place, std::move(added));
}

LibraryStore::Batch::Batch(LibraryStore& store) : store_(store) {
    ++store_.openBatches_;
}

LibraryStore::Batch::~Batch() {
    if (--store_.openBatches_ == 0 && store_.savePending_) {
        store_.save();
    }
}

void LibraryStore::save() {
    if (openBatches_ > 0) {
        savePending_ = true;
        return;
    }
    savePending_ = false;
    writer_->submit(++handedOver_, LibraryPayload{entries_, stats_});
}

void LibraryStore::whenSaved(SaveDone done) {
    // Inside a batch the state is handed over when the batch ends, under the next number.
    const std::uint64_t awaited = handedOver_ + (savePending_ ? 1 : 0);
    if (awaited <= written_) {
        done(lastFailure_);
        return;
    }
    waiting_.emplace_back(awaited, std::move(done));
}

void LibraryStore::flush() {
    // An open batch still writes once, when it ends.
    if (openBatches_ == 0 && (savePending_ || (lastFailure_ && written_ == handedOver_))) {
        savePending_ = false;
        writer_->submit(++handedOver_, LibraryPayload{entries_, stats_});
    }
    const LibraryWriter::Outcome outcome = writer_->waitUntilIdle();
    written(outcome.generation, outcome.failure);
}

void LibraryStore::written(std::uint64_t generation, std::optional<QString> failure) {
    // Answers queued before a flush arrive after it; the flush has dealt with them.
    if (generation <= written_) {
        return;
    }
    written_ = generation;
    lastFailure_ = failure;
    if (failure) {
        qCWarning(lcLibrary, "VeloraMac: %s", qUtf8Printable(*failure));
        if (!closing_) {
            emit saveFailed(*failure);
        }
    }
    // A later state holds every earlier change, so its outcome answers the earlier waits.
    auto answered = std::stable_partition(waiting_.begin(), waiting_.end(), [&](const auto& wait) {
        return wait.first > generation;
    });
    std::vector<std::pair<std::uint64_t, SaveDone>> due(std::make_move_iterator(answered),
                                                        std::make_move_iterator(waiting_.end()));
    waiting_.erase(answered, waiting_.end());
    for (auto& [awaited, done] : due) {
        done(failure);
    }
}

} // namespace velora
