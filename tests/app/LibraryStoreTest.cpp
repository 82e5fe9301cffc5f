#include "app/LibraryStore.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
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

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

TEST_F(LibraryStoreTest, WhatIsWrittenReadsBackEqual) {
    auto store = open();
    store->registerDocument("file:/home/u/Bücher/a \"b\".pdf", "a \"b\".pdf", Kind::file, 5000,
                            "/home/u/Bücher/a \"b\".pdf", std::nullopt);
    store->registerDocument("text:1:3", "Ünïcödé\ttitle\n😀", Kind::text, 3, std::nullopt,
                            std::string("line\u2028two\0three\x7f", 18));
    store->updateProgress("file:/home/u/Bücher/a \"b\".pdf", 1234);
    store->addReading(321, 1.0 / 3.0);
    auto reopened = open();
    EXPECT_EQ(reopened->entries(), store->entries());
    EXPECT_EQ(reopened->stats(), store->stats());
}

struct IndexCase {
    std::int64_t wordCount; // on registering again
    std::int64_t progress;  // then reported, unless -1
    std::int64_t stored;
};

class PositionKept : public LibraryStoreTest, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(PositionKept, OnlyInsideTheText) {
    auto store = open();
    addText(*store, "text:k", 200);
    store->updateProgress("text:k", 120);
    store->registerDocument("text:k", "t", Kind::text, GetParam().wordCount, std::nullopt, "t");
    if (GetParam().progress != -1) {
        store->updateProgress("text:k", GetParam().progress);
    }
    EXPECT_EQ(open()->entries()[0].lastIndex, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Counts, PositionKept,
                         ::testing::Values(IndexCase{121, -1, 120}, IndexCase{120, -1, 0},
                                           IndexCase{200, 201, 200}, IndexCase{200, INT64_MIN, 0}));

TEST_F(LibraryStoreTest, StoredTextLimitCountsCharacters) {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "e\u0301";
    }
    auto store = open();
    EXPECT_TRUE(
        store->registerDocument("text:a", "a", Kind::text, 1, std::nullopt, text).storedText);
    EXPECT_FALSE(
        store->registerDocument("text:b", "b", Kind::text, 1, std::nullopt, text + "x").storedText);
}

TEST_F(LibraryStoreTest, TrimKeepsTheNewestFortyEvenWhenTheClockWentBack) {
    auto store = open();
    for (int i = 0; i < 40; ++i) {
        addText(*store, "text:" + std::to_string(i));
    }
    store->updateProgress("text:0", 3);
    addText(*store, "text:new");
    ASSERT_EQ(store->entries().size(), 40U);
    EXPECT_EQ(store->entries().front().id, "text:new");
    EXPECT_EQ(store->entries()[1].id, "text:0");
    EXPECT_TRUE(std::ranges::none_of(store->entries(), [](auto& e) { return e.id == "text:1"; }));
    EXPECT_EQ(open()->entries(), store->entries());

    frozen_ = true;
    now_ = TimePoint{0.0};
    addText(*store, "text:late");
    EXPECT_TRUE(std::ranges::any_of(store->entries(), [](auto& e) { return e.id == "text:late"; }));
}

TEST_F(LibraryStoreTest, UnknownKeyForProgressChangesAndWritesNothing) {
    auto store = open();
    addText(*store, "text:a");
    int notified = 0;
    QObject::connect(store.get(), &LibraryStore::entriesChanged, [&] { ++notified; });
    QFile::remove(libraryPath());
    store->updateProgress("text:gone", 7);
    EXPECT_EQ(notified, 0);
    EXPECT_FALSE(QFile::exists(libraryPath()));
}

TEST_F(LibraryStoreTest, ABatchWritesEveryChangeOnceAtItsEnd) {
    auto store = open();
    addText(*store, "text:a");
    QFile::remove(libraryPath());
    {
        const LibraryStore::Batch outer(*store);
        {
            const LibraryStore::Batch inner(*store);
            store->addReading(40, 12.5);
            store->updateProgress("text:a", 40);
        }
        store->recordSession();
        EXPECT_FALSE(QFile::exists(libraryPath()));
    }
    const LibraryStore reread;
    EXPECT_EQ(reread.entries().at(0).lastIndex, 40);
    EXPECT_EQ(reread.stats().totalWordsRead, 40);
    EXPECT_EQ(reread.stats().sessions, 1);
}

TEST_F(LibraryStoreTest, ClearingHistoryAndResettingStatsAreIndependent) {
    auto store = open();
    addText(*store, "text:a");
    store->addReading(300, 60.0);
    const auto stats = store->stats();
    store->clearHistory();
    EXPECT_EQ(open()->stats(), stats);
    addText(*store, "text:b");
    store->resetStats();
    EXPECT_EQ(open()->entries(), store->entries());
    EXPECT_EQ(open()->stats(), ReadingStats{});
}

// Fails writes past a byte limit, as a full disk or a crash mid-write would.
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
    const QByteArray before = read(libraryPath());
    ASSERT_FALSE(before.isEmpty());
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size() + 20));
        store->registerDocument("text:long", "long", Kind::text, 9, std::nullopt,
                                std::string(5000, 'x'));
    }
    EXPECT_EQ(read(libraryPath()), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{"library.json"});
    store->recordSession();
    EXPECT_EQ(open()->entries(), store->entries());
}

class BadLibraryFile : public LibraryStoreTest, public ::testing::WithParamInterface<QByteArray> {};

TEST_P(BadLibraryFile, StartsEmptyAndIsKeptAsideBeforeTheFirstSave) {
    QDir().mkpath(folder());
    QFile file(libraryPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam());
    file.close();
    auto store = open();
    EXPECT_TRUE(store->entries().empty());
    EXPECT_TRUE(badFiles().isEmpty());
    addText(*store, "text:a");
    ASSERT_EQ(badFiles().size(), 1);
    EXPECT_EQ(read(folder() + "/" + badFiles()[0]), GetParam());
    EXPECT_EQ(open()->entries(), store->entries());
}

const QByteArray goodStats =
    R"({"totalWordsRead":1,"totalSecondsRead":2,"sessions":3,"documentsOpened":4})";

INSTANTIATE_TEST_SUITE_P(Files, BadLibraryFile,
                         ::testing::Values(QByteArray(R"({"entries":[)"),
                                           QByteArray(R"({"entries":[]})"),
                                           R"({"entries":[{"id":"x"}],"stats":)" + goodStats +
                                               "}"));

} // namespace
} // namespace velora
