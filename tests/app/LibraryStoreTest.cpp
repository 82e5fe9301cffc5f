#include "app/LibraryStore.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>

namespace velora {
namespace {

using Kind = ReadingHistoryEntry::Kind;

class LibraryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }

    // A clock the test moves by hand; every reading is one second later unless frozen.
    std::unique_ptr<LibraryStore> open() {
        return std::make_unique<LibraryStore>([this] {
            TimePoint now = now_;
            if (!frozen_) {
                now_.secondsSinceReferenceDate += 1.0;
            }
            return now;
        });
    }

    QString folder() const { return dataHome_.path() + "/VeloraMac"; }
    QString libraryPath() const { return folder() + "/library.json"; }

    QByteArray fileBytes() const {
        QFile file(libraryPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeFile(const QByteArray& bytes) const {
        QDir().mkpath(folder());
        QFile file(libraryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList badFiles() const {
        return QDir(folder()).entryList({"library.json.bad-*"}, QDir::Files, QDir::Name);
    }

    static void addText(LibraryStore& store, const std::string& id, std::int64_t words = 100) {
        store.registerDocument(id, "Title " + id, Kind::text, words, std::nullopt, "text " + id);
    }

    QTemporaryDir dataHome_;
    TimePoint now_{700'000'000.25};
    bool frozen_ = false;
};

TEST_F(LibraryStoreTest, FirstRunStartsEmptyAndWritesAtTheFirstChange) {
    auto store = open();
    EXPECT_TRUE(store->entries().empty());
    EXPECT_EQ(store->stats(), ReadingStats{});
    EXPECT_TRUE(QDir(folder()).exists());
    EXPECT_EQ(store->fileURL(), libraryPath());
    EXPECT_FALSE(QFile::exists(libraryPath()));

    store->recordSession();
    EXPECT_TRUE(QFile::exists(libraryPath()));
    EXPECT_TRUE(badFiles().isEmpty());
}

TEST_F(LibraryStoreTest, WhatIsWrittenReadsBackEqual) {
    now_ = TimePoint{0.1 + 0.2};
    auto store = open();
    store->registerDocument("file:/home/u/Bücher/a \"b\".pdf", "a \"b\".pdf", Kind::file, 5000,
                            "/home/u/Bücher/a \"b\".pdf", std::nullopt);
    store->registerDocument("text:1:3", "Ünïcödé\ttitle\n😀", Kind::text, 3, std::nullopt,
                            std::string("line\u2028two\0three\x7f", 18));
    store->updateProgress("file:/home/u/Bücher/a \"b\".pdf", 1234);
    store->recordSession();
    store->addReading(321, 1.0 / 3.0);

    const QByteArray bytes = fileBytes();
    EXPECT_FALSE(bytes.contains('\n'));
    const auto json = nlohmann::json::parse(bytes.toStdString());
    EXPECT_TRUE(json.contains("entries") && json.contains("stats"));

    auto reopened = open();
    EXPECT_EQ(reopened->entries(), store->entries());
    EXPECT_EQ(reopened->stats(), store->stats());
    EXPECT_EQ(reopened->entries()[0].lastIndex, 1234);
    reopened->recordSession();
    EXPECT_TRUE(badFiles().isEmpty());
}

TEST_F(LibraryStoreTest, RegisteringAgainUpdatesInPlace) {
    auto store = open();
    EXPECT_FALSE(store->registerDocument("file:/a", "a", Kind::file, 10, "/a", "text").storedText);
    addText(*store, "text:x");
    store->recordSession();
    store->updateProgress("file:/a", 5);

    const auto again = store->registerDocument("file:/a", "renamed", Kind::file, 12, "/other",
                                               std::string("ignored"));
    store->recordSession();
    ASSERT_EQ(store->entries().size(), 2U);
    EXPECT_EQ(store->entries()[0], again);
    EXPECT_EQ(again.title, "renamed");
    EXPECT_EQ(again.wordCount, 12);
    EXPECT_EQ(again.lastIndex, 5);
    EXPECT_EQ(again.filePath, "/a");
    EXPECT_FALSE(again.storedText);
    EXPECT_GT(again.updatedAt, store->entries()[1].updatedAt);
    EXPECT_EQ(store->stats().documentsOpened, 2);
    EXPECT_EQ(store->stats().sessions, 2);
}

struct ResumeCase {
    std::int64_t newWordCount;
    std::int64_t lastIndex;
};

class ResumeOnRegister : public LibraryStoreTest,
                         public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(ResumeOnRegister, KeepsThePositionOnlyInsideTheText) {
    auto store = open();
    addText(*store, "text:k", 200);
    store->updateProgress("text:k", 120);
    const auto entry = store->registerDocument("text:k", "t", Kind::text, GetParam().newWordCount,
                                               std::nullopt, "text");
    EXPECT_EQ(entry.lastIndex, GetParam().lastIndex);
    EXPECT_EQ(open()->entries()[0].lastIndex, GetParam().lastIndex);
}

INSTANTIATE_TEST_SUITE_P(Counts, ResumeOnRegister,
                         ::testing::Values(ResumeCase{121, 120}, ResumeCase{120, 0},
                                           ResumeCase{50, 0}));

struct StoredTextCase {
    const char* name;
    std::string character;
    std::size_t count;
    bool kept;
};

class StoredTextLimit : public LibraryStoreTest,
                        public ::testing::WithParamInterface<StoredTextCase> {};

TEST_P(StoredTextLimit, CountsCharacters) {
    std::string text;
    for (std::size_t i = 0; i < GetParam().count; ++i) {
        text += GetParam().character;
    }
    auto store = open();
    const auto entry =
        store->registerDocument("text:big", "big", Kind::text, 1, std::nullopt, text);
    EXPECT_EQ(entry.storedText.has_value(), GetParam().kept);
    ASSERT_EQ(store->entries().size(), 1U);

    // A text that grows past the limit loses its stored copy; one that fits gets it back.
    const auto grown =
        store->registerDocument("text:big", "big", Kind::text, 1, std::nullopt, text + "!");
    EXPECT_FALSE(grown.storedText);
    const auto shrunk =
        store->registerDocument("text:big", "big", Kind::text, 1, std::nullopt, "short");
    EXPECT_EQ(shrunk.storedText, "short");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredTextLimit,
    ::testing::Values(StoredTextCase{"AsciiAtLimit", "a", 200000, true},
                      StoredTextCase{"AsciiOverLimit", "a", 200001, false},
                      StoredTextCase{"TwoByteAtLimit", "\u00e9", 200000, true},
                      StoredTextCase{"ClustersAtLimit", "e\u0301", 200000, true},
                      StoredTextCase{"ClustersOverLimit", "e\u0301", 200001, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(LibraryStoreTest, TrimKeepsTheNewestFortyAndDropsTheOldest) {
    auto store = open();
    for (int i = 0; i < 39; ++i) {
        addText(*store, "text:" + std::to_string(i));
    }
    // The first entry becomes recent again, so the oldest is now the second one.
    store->updateProgress("text:0", 3);
    addText(*store, "text:39");
    EXPECT_EQ(store->entries().front().id, "text:0");
    EXPECT_EQ(store->entries().back().id, "text:39");

    addText(*store, "text:new");
    const auto& entries = store->entries();
    ASSERT_EQ(entries.size(), 40U);
    EXPECT_EQ(entries.front().id, "text:new");
    EXPECT_EQ(entries[1].id, "text:39");
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const auto& e) { return e.id == "text:1"; }));
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.updatedAt > b.updatedAt;
    }));
    EXPECT_EQ(store->stats().documentsOpened, 41);
    EXPECT_EQ(open()->entries(), entries);
}

TEST_F(LibraryStoreTest, TrimSurvivesAClockThatWentBackwards) {
    auto store = open();
    for (int i = 0; i < 40; ++i) {
        addText(*store, "text:" + std::to_string(i));
    }
    frozen_ = true;
    now_ = TimePoint{0.0};
    addText(*store, "text:new");
    ASSERT_EQ(store->entries().size(), 40U);
    EXPECT_TRUE(std::any_of(store->entries().begin(), store->entries().end(),
                            [](const auto& e) { return e.id == "text:new"; }));
}

TEST_F(LibraryStoreTest, RecentsAreNewestFirstAndStableForEqualTimes) {
    auto store = open();
    frozen_ = true;
    addText(*store, "text:a");
    addText(*store, "text:b");
    frozen_ = false;
    now_.secondsSinceReferenceDate += 10;
    addText(*store, "text:c");
    addText(*store, "text:d");
    std::vector<std::string> ids;
    for (const auto& entry : store->recents()) {
        ids.push_back(entry.id);
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"text:d", "text:c", "text:a", "text:b"}));
}

struct ProgressCase {
    std::int64_t index;
    std::int64_t stored;
};

class ProgressClamp : public LibraryStoreTest,
                      public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressClamp, StaysWithinTheDocument) {
    auto store = open();
    addText(*store, "text:p", 100);
    store->updateProgress("text:p", GetParam().index);
    EXPECT_EQ(store->entries()[0].lastIndex, GetParam().stored);
    EXPECT_EQ(open()->entries()[0].lastIndex, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Indexes, ProgressClamp,
                         ::testing::Values(ProgressCase{-5, 0}, ProgressCase{42, 42},
                                           ProgressCase{100, 100}, ProgressCase{101, 100},
                                           ProgressCase{INT64_MIN, 0},
                                           ProgressCase{INT64_MAX, 100}));

TEST_F(LibraryStoreTest, UnknownKeyForProgressChangesAndWritesNothing) {
    auto store = open();
    addText(*store, "text:a");
    int notified = 0;
    QObject::connect(store.get(), &LibraryStore::entriesChanged, [&] { ++notified; });
    QFile::remove(libraryPath());

    store->updateProgress("text:gone", 7);
    EXPECT_EQ(notified, 0);
    EXPECT_FALSE(QFile::exists(libraryPath()));

    // Removing an unknown key still writes the library.
    store->remove("text:gone");
    EXPECT_EQ(notified, 0);
    EXPECT_TRUE(QFile::exists(libraryPath()));
    EXPECT_EQ(store->entries().size(), 1U);
}

TEST_F(LibraryStoreTest, ClearingHistoryAndResettingStatsAreIndependent) {
    auto store = open();
    addText(*store, "text:a");
    addText(*store, "text:b");
    addText(*store, "text:c");
    store->remove("text:b");
    EXPECT_EQ(store->entries()[1].id, "text:c");
    store->addReading(300, 60.0);

    const auto entries = store->entries();
    store->resetStats();
    EXPECT_EQ(store->stats(), ReadingStats{});
    EXPECT_EQ(store->entries(), entries);

    store->addReading(10, 1.0);
    const auto stats = store->stats();
    store->clearHistory();
    EXPECT_TRUE(store->entries().empty());
    EXPECT_EQ(store->stats(), stats);
    auto reopened = open();
    EXPECT_TRUE(reopened->entries().empty());
    EXPECT_EQ(reopened->stats(), stats);
}

TEST_F(LibraryStoreTest, SignalsEveryChange) {
    auto store = open();
    int entries = 0;
    int stats = 0;
    QObject::connect(store.get(), &LibraryStore::entriesChanged, [&] { ++entries; });
    QObject::connect(store.get(), &LibraryStore::statsChanged, [&] { ++stats; });
    addText(*store, "text:a");
    EXPECT_EQ(std::pair(entries, stats), std::pair(1, 1));
    addText(*store, "text:a");
    store->updateProgress("text:a", 3);
    EXPECT_EQ(std::pair(entries, stats), std::pair(3, 1));
    store->recordSession();
    store->addReading(5, 2.0);
    EXPECT_EQ(std::pair(entries, stats), std::pair(3, 3));
    store->clearHistory();
    store->resetStats();
    EXPECT_EQ(std::pair(entries, stats), std::pair(4, 4));
}

// Lets the test fail writes past a byte limit, as a full disk or a crash mid-write would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(LibraryStoreTest, AFailedWriteLeavesTheOldFileWhole) {
    auto store = open();
    addText(*store, "text:a");
    const QByteArray before = fileBytes();
    ASSERT_FALSE(before.isEmpty());
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size() + 20));
        store->registerDocument("text:long", "long", Kind::text, 9, std::nullopt,
                                std::string(5000, 'x'));
    }
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{"library.json"});
    EXPECT_EQ(store->entries().size(), 2U);

    // The next save writes the whole state again.
    store->recordSession();
    auto reopened = open();
    EXPECT_EQ(reopened->entries(), store->entries());
    EXPECT_EQ(reopened->stats().sessions, 1);
}

struct BadFileCase {
    const char* name;
    QByteArray bytes;
};

class BadLibraryFile : public LibraryStoreTest,
                       public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadLibraryFile, StartsEmptyAndIsKeptAsideBeforeTheFirstSave) {
    writeFile(GetParam().bytes);
    auto store = open();
    EXPECT_TRUE(store->entries().empty());
    EXPECT_EQ(store->stats(), ReadingStats{});
    EXPECT_EQ(fileBytes(), GetParam().bytes);
    EXPECT_TRUE(badFiles().isEmpty());

    addText(*store, "text:a");
    const QStringList aside = badFiles();
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder() + "/" + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), GetParam().bytes);
    EXPECT_EQ(open()->entries(), store->entries());
    const auto json = nlohmann::json::parse(fileBytes().toStdString());
    EXPECT_TRUE(json.contains("stats"));
}

const QByteArray goodEntry =
    R"({"id":"text:1:1","title":"t","kind":"text","wordCount":1,"lastIndex":0,"updatedAt":5})";
const QByteArray goodStats =
    R"({"totalWordsRead":1,"totalSecondsRead":2,"sessions":3,"documentsOpened":4})";

INSTANTIATE_TEST_SUITE_P(
    Files, BadLibraryFile,
    ::testing::Values(BadFileCase{"NotJson", "{\"entries\":[" + goodEntry},
                      BadFileCase{"Empty", ""}, BadFileCase{"NoStats", R"({"entries":[]})"},
                      BadFileCase{"NoEntries", R"({"stats":)" + goodStats + "}"},
                      BadFileCase{"OneBadEntry", R"({"entries":[)" + goodEntry +
                                                     R"(,{"id":"x"}],"stats":)" + goodStats + "}"},
                      BadFileCase{"NewerKind",
                                  R"({"entries":[{"id":"u:1","title":"t","kind":"url",)"
                                  R"("wordCount":1,"lastIndex":0,"updatedAt":5}],"stats":)" +
                                      goodStats + "}"}),
    [](const auto& info) { return info.param.name; });

TEST_F(LibraryStoreTest, EarlierBadFilesAreNeverOverwritten) {
    for (const QByteArray& bytes :
         {QByteArray("first"), QByteArray("second"), QByteArray("third")}) {
        writeFile(bytes);
        open()->recordSession();
    }
    QStringList contents;
    for (const QString& name : badFiles()) {
        QFile file(folder() + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        contents << QString::fromUtf8(file.readAll());
    }
    contents.sort();
    EXPECT_EQ(contents, (QStringList{"first", "second", "third"}));
}

TEST_F(LibraryStoreTest, AnUnreadableFileIsKeptAsideToo) {
    QDir().mkpath(libraryPath());
    auto store = open();
    EXPECT_TRUE(store->entries().empty());
    store->recordSession();
    EXPECT_EQ(QDir(folder()).entryList({"library.json.bad-*"}, QDir::Dirs).size(), 1);
    EXPECT_EQ(open()->stats().sessions, 1);
}

} // namespace
} // namespace velora
