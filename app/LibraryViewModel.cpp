#include "app/LibraryViewModel.hpp"

#include "app/LibraryStore.hpp"

namespace velora {

LibraryViewModel::LibraryViewModel(LibraryStore& library, QObject* parent)
    : QObject(parent), library_(library) {
    connect(&library_, &LibraryStore::statsChanged, this, &LibraryViewModel::statsChanged);
    connect(&library_, &LibraryStore::entriesChanged, this, &LibraryViewModel::entriesChanged);
}

const ReadingStats& LibraryViewModel::stats() const {
    return library_.stats();
}

std::vector<DayReading> LibraryViewModel::lastDays(std::int64_t count) const {
    return library_.stats().lastDays(library_.today(), count);
}

std::vector<ReadingHistoryEntry> LibraryViewModel::recents() const {
    return library_.recents();
}

void LibraryViewModel::remove(const std::string& id) {
    library_.remove(id);
}

void LibraryViewModel::clearHistory() {
    library_.clearHistory();
}

void LibraryViewModel::resetStats() {
    library_.resetStats();
}

} // namespace velora
