#pragma once

#include "core/ReadingHistoryEntry.hpp"
#include "core/ReadingStats.hpp"

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

namespace velora {

class LibraryStore;

// What the library card may see and change of the library: the statistics, the documents read
// newest first, and the three edits the card offers. Loading is the reader's business.
class LibraryViewModel final : public QObject {
    Q_OBJECT

public:
    // `library` outlives this model.
    explicit LibraryViewModel(LibraryStore& library, QObject* parent = nullptr);

    const ReadingStats& stats() const;
    // The last `count` days up to today, oldest first.
    std::vector<DayReading> lastDays(std::int64_t count) const;
    std::vector<ReadingHistoryEntry> recents() const;

    void remove(const std::string& id);
    void clearHistory();
    void resetStats();

signals:
    void statsChanged();
    void entriesChanged();

private:
    LibraryStore& library_;
};

} // namespace velora
