#include "app/LibraryStore.hpp"

#include "app/AtomicWrite.hpp"
#include "core/Graphemes.hpp"
#include "core/JsonFields.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace velora {

namespace {

QString libraryFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return base + QStringLiteral("/VeloraMac");
}

struct Payload {
    std::vector<ReadingHistoryEntry> entries;
    ReadingStats stats;
};

// All or nothing: one bad entry rejects the whole file.
std::optional<Payload> decodePayload(const QByteArray& bytes) {
    const nlohmann::json root = JsonFields::parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const nlohmann::json* entries = JsonFields::find(root, "entries");
    const nlohmann::json* stats = JsonFields::find(root, "stats");
    if (entries == nullptr || stats == nullptr || !entries->is_array()) {
        return std::nullopt;
    }
    Payload payload;
    auto decodedStats = ReadingStats::fromJson(*stats);
    if (!decodedStats) {
        return std::nullopt;
    }
    payload.stats = *decodedStats;
    payload.entries.reserve(entries->size());
    for (const nlohmann::json& object : *entries) {
        auto entry = ReadingHistoryEntry::fromJson(object);
        if (!entry) {
            return std::nullopt;
        }
        payload.entries.push_back(std::move(*entry));
    }
    return payload;
}

void encodePayload(const std::vector<ReadingHistoryEntry>& entries, const ReadingStats& stats,
                   std::string& out) {
    nlohmann::json list = nlohmann::json::array();
    for (const ReadingHistoryEntry& entry : entries) {
        list.push_back(entry.toJson());
    }
    JsonFields::dump({{"entries", std::move(list)}, {"stats", stats.toJson()}}, out);
}

} // namespace

LibraryStore::LibraryStore(QObject* parent) : LibraryStore(&TimePoint::now, parent) {}

LibraryStore::LibraryStore(Clock clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)) {
    const QString folder = libraryFolder();
    QDir().mkpath(folder);
    fileURL_ = folder + QStringLiteral("/library.json");
    load();
}

void LibraryStore::load() {
    QFile file(fileURL_);
    if (!file.exists()) {
        return;
    }
    // Anything that is there but unusable is kept, and moved aside before it is replaced.
    badFilePending_ = true;
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return;
    }
    auto payload = decodePayload(bytes);
    if (!payload) {
        return;
    }
    badFilePending_ = false;
    entries_ = std::move(payload->entries);
    stats_ = payload->stats;
}

std::vector<ReadingHistoryEntry> LibraryStore::recents() const {
    std::vector<ReadingHistoryEntry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.updatedAt > b.updatedAt; });
    return sorted;
}

std::optional<std::string> LibraryStore::keptText(ReadingHistoryEntry::Kind kind,
                                                  const std::optional<std::string>& text) const {
    if (kind != ReadingHistoryEntry::Kind::text || !text) {
        return std::nullopt;
    }
    // A character takes at least one byte, so a short enough text needs no counting.
    if (text->size() > maxStoredTextChars && Graphemes::count(*text) > maxStoredTextChars) {
        return std::nullopt;
    }
    return text;
}

ReadingHistoryEntry LibraryStore::registerDocument(const std::string& id, const std::string& title,
                                                   ReadingHistoryEntry::Kind kind,
                                                   std::int64_t wordCount,
                                                   const std::optional<std::string>& filePath,
                                                   const std::optional<std::string>& storedText) {
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
        if (kind == ReadingHistoryEntry::Kind::text) {
            updated.storedText = keptText(kind, storedText);
        }
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
                              .storedText = keptText(kind, storedText)};
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
    stats_.add(words, seconds);
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

bool LibraryStore::moveBadFileAside() {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString target = fileURL_ + QStringLiteral(".bad-") + stamp;
    for (int n = 1; QFileInfo::exists(target); ++n) {
        target = fileURL_ + QStringLiteral(".bad-") + stamp + QLatin1Char('-') + QString::number(n);
    }
    return QFile::rename(fileURL_, target);
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
    // Until the old file is safely aside nothing may replace it; the next save tries again.
    if (badFilePending_) {
        if (QFileInfo::exists(fileURL_) && !moveBadFileAside()) {
            return;
        }
        badFilePending_ = false;
    }
    // A failed write changes nothing on disk; the next save writes the whole state again.
    encodePayload(entries_, stats_, saveBuffer_);
    writeFileAtomically(fileURL_, saveBuffer_);
}

} // namespace velora
