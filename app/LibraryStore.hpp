#pragma once

#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingStats.hpp"
#include "core/TimePoint.hpp"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velora {

// What was read, where reading stopped, and the cumulative statistics, kept in
// $XDG_DATA_HOME/VeloraMac/library.json. Every change is written through at once, atomically,
// so the file always holds the state after the last completed operation. Main thread only.
class LibraryStore : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t maxEntries = 40;
    static constexpr std::size_t maxStoredTextChars = 200000;

    using Clock = std::function<TimePoint()>;

    explicit LibraryStore(QObject* parent = nullptr);
    // `clock` stamps `updatedAt`; tests pass one they control.
    explicit LibraryStore(Clock clock, QObject* parent = nullptr);

    const std::vector<ReadingHistoryEntry>& entries() const { return entries_; }
    const ReadingStats& stats() const { return stats_; }
    // Absolute path of library.json.
    const QString& fileURL() const { return fileURL_; }

    // Newest first; entries stamped alike keep their order.
    std::vector<ReadingHistoryEntry> recents() const;

    // Records a loaded document: updates the entry with this key in place, or appends a new
    // one and trims the library. Answers the entry as stored.
    ReadingHistoryEntry registerDocument(const std::string& id, const std::string& title,
                                         ReadingHistoryEntry::Kind kind, std::int64_t wordCount,
                                         const std::optional<std::string>& filePath,
                                         const std::optional<std::string>& storedText);
    void recordSession();
    void addReading(std::int64_t words, double seconds);
    // Saves the position in the entry with this key; an unknown key is left alone.
    void updateProgress(const std::string& id, std::int64_t lastIndex);
    void remove(const std::string& id);
    void clearHistory();
    void resetStats();

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

private:
    void load();
    void trim();
    void save();
    bool moveBadFileAside();
    std::optional<std::string> keptText(ReadingHistoryEntry::Kind kind,
                                        const std::optional<std::string>& text) const;

    Clock clock_;
    std::vector<ReadingHistoryEntry> entries_;
    ReadingStats stats_;
    QString fileURL_;
    // A library.json that existed but could not be used, still waiting to be moved aside.
    bool badFilePending_ = false;
    int openBatches_ = 0;
    bool savePending_ = false;
    // Kept between saves: a full library is about 8 MB, and allocating that afresh on every
    // save costs more than encoding it.
    std::string saveBuffer_;
};

} // namespace velora
