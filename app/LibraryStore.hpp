#pragma once

#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingStats.hpp"
#include "core/TimePoint.hpp"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velora {

class LibraryWriter;

// What was read, where reading stopped, and the cumulative statistics, kept in
// $XDG_DATA_HOME/VeloraMac/library.json. Every change hands the whole state to a writer thread,
// which replaces the file atomically; the newest state is written last, and whatever waits is
// written before the store goes. Main thread only.
class LibraryStore : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t maxEntries = 40;
    static constexpr std::size_t maxStoredTextChars = 200000;
    // A file larger than a full library can be is not parsed at all, only set aside.
    static constexpr std::size_t maxFileBytes = std::size_t{32} << 20;
    // Encoded in the file; 200,000 characters of up to four bytes each fit, and forty such
    // texts stay below maxFileBytes, so that no library this store writes is refused later.
    static constexpr std::size_t maxStoredTextBytes = 800 * 1024;

    using Clock = std::function<TimePoint()>;

    explicit LibraryStore(QObject* parent = nullptr);
    // `clock` stamps `updatedAt`; tests pass one they control.
    explicit LibraryStore(Clock clock, QObject* parent = nullptr);
    ~LibraryStore() override;

    const std::vector<ReadingHistoryEntry>& entries() const { return entries_; }
    const ReadingStats& stats() const { return stats_; }
    // Absolute path of library.json.
    const QString& filePath() const { return filePath_; }

    // Newest first; entries stamped alike keep their order.
    std::vector<ReadingHistoryEntry> recents() const;

    // Records a loaded document: updates the entry with this key in place, or appends a new
    // one and trims the library. Answers the entry as stored. A file keeps its text only when it
    // was recognised from images (`recognisedFrom` the file's fingerprint).
    ReadingHistoryEntry registerDocument(const std::string& id, const std::string& title,
                                         ReadingHistoryEntry::Kind kind, std::int64_t wordCount,
                                         const std::optional<std::string>& filePath,
                                         const std::optional<std::string>& storedText,
                                         const std::optional<std::string>& recognisedFrom = {});
    void recordSession();
    // Counted for today as well.
    void addReading(std::int64_t words, double seconds);
    // Today by the store's clock in the reader's time zone, as ReadingStats counts days.
    std::int64_t today() const;
    // Saves the position in the entry with this key; an unknown key is left alone.
    void updateProgress(const std::string& id, std::int64_t lastIndex);
    void remove(const std::string& id);
    void clearHistory();
    void resetStats();

    // Called with none once the state as it stands now is on disk, or with what went wrong
    // when writing it failed; at the latest when the store goes.
    using SaveDone = std::function<void(std::optional<QString> failure)>;
    void whenSaved(SaveDone done);
    // Blocks until the state as it stands is on disk or its write failed; a state whose last
    // write failed is written again. Inside a batch, only what was handed over before it.
    void flush();

    // While one is alive, changes are held in memory and written once when the last one goes,
    // so that one action of the user costs one write of the whole file.
    class Batch {
    public:
        explicit Batch(LibraryStore& store);
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch();

    private:
        LibraryStore& store_;
    };

signals:
    void entriesChanged();
    void statsChanged();
    // A write failed; the text says where and why. The state stays in memory and is written
    // again with the next change.
    void saveFailed(const QString& message);

private:
    void trim();
    void save();
    void written(std::uint64_t generation, std::optional<QString> failure);
    // A selection's text, or a file's recognised from images, within the size limits.
    void keepText(ReadingHistoryEntry& entry, const std::optional<std::string>& text,
                  const std::optional<std::string>& recognisedFrom) const;
    std::optional<std::string> keptText(const std::optional<std::string>& text) const;

    Clock clock_;
    std::vector<ReadingHistoryEntry> entries_;
    ReadingStats stats_;
    QString filePath_;
    int openBatches_ = 0;
    bool savePending_ = false;
    // States are numbered as they are handed over; the writer answers with the number written.
    std::uint64_t handedOver_ = 0;
    std::uint64_t written_ = 0;
    std::optional<QString> lastFailure_;
    std::vector<std::pair<std::uint64_t, SaveDone>> waiting_;
    bool closing_ = false;
    std::unique_ptr<LibraryWriter> writer_;
};

} // namespace velora
