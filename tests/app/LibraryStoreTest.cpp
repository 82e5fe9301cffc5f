#include "app/LibraryStore.hpp"

#include "support/AsOrdinaryUser.hpp"
#include "support/FileSizeLimit.hpp"
#include "support/LogCapture.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
        return QDir(folder()).entryList({"library.json.bad-*"}, QDir::Files | QDir::System,
                                        QDir::Name);
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
    store->flush();
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
    store->flush();
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

    // Within the count, a text whose encoding would not fit a library of forty is not kept.
    std::string emoji;
    for (int i = 0; i < 200000; ++i) {
        emoji += "😀";
    }
    EXPECT_TRUE(
        store->registerDocument("text:c", "c", Kind::text, 1, std::nullopt, emoji).storedText);
    EXPECT_FALSE(store
                     ->registerDocument("text:d", "d", Kind::text, 1, std::nullopt,
                                        std::string(200000, '\x01'))
                     .storedText);
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
    store->flush();
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
    store->flush();
    QFile::remove(libraryPath());
    store->updateProgress("text:gone", 7);
    store->flush();
    EXPECT_EQ(notified, 0);
    EXPECT_FALSE(QFile::exists(libraryPath()));
}

TEST_F(LibraryStoreTest, ABatchWritesEveryChangeOnceAtItsEnd) {
    auto store = open();
    addText(*store, "text:a");
    store->flush();
    QFile::remove(libraryPath());
    {
        const LibraryStore::Batch outer(*store);
        {
            const LibraryStore::Batch inner(*store);
            store->addReading(40, 12.5);
            store->updateProgress("text:a", 40);
        }
        store->recordSession();
        store->flush();
        EXPECT_FALSE(QFile::exists(libraryPath()));
    }
    store->flush();
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
    store->flush();
    EXPECT_EQ(open()->stats(), stats);
    addText(*store, "text:b");
    store->resetStats();
    store->flush();
    EXPECT_EQ(open()->entries(), store->entries());
    EXPECT_EQ(open()->stats(), ReadingStats{});
}

// A failed write is said, keeps the old file whole, and the next change writes everything.
TEST_F(LibraryStoreTest, AFailedWriteLeavesTheOldFileWholeAndIsSaid) {
    auto store = open();
    addText(*store, "text:a");
    store->flush();
    const QByteArray before = read(libraryPath());
    ASSERT_FALSE(before.isEmpty());
    QStringList said;
    QObject::connect(store.get(), &LibraryStore::saveFailed,
                     [&](const QString& message) { said.append(message); });
    std::optional<QString> answer;
    {
        const testsupport::LogCapture log;
        testsupport::FileSizeLimit limit(static_cast<rlim_t>(before.size() + 20));
        store->registerDocument("text:long", "long", Kind::text, 9, std::nullopt,
                                std::string(5000, 'x'));
        store->whenSaved([&](std::optional<QString> failure) { answer = std::move(failure); });
        store->flush();
        ASSERT_EQ(said.size(), 1);
        EXPECT_EQ(log.lines, QStringList{"VeloraMac: " + said[0]});
    }
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith("Couldn't save the library to " + libraryPath() + ": "))
        << said[0].toStdString();
    EXPECT_EQ(answer, said[0]);
    EXPECT_EQ(read(libraryPath()), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{"library.json"});
    store->recordSession();
    store->flush();
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
    store->flush();
    ASSERT_EQ(badFiles().size(), 1);
    EXPECT_EQ(read(folder() + "/" + badFiles()[0]), GetParam());
    EXPECT_EQ(open()->entries(), store->entries());
}

const QByteArray goodStats =
    R"({"totalWordsRead":1,"totalSecondsRead":2,"sessions":3,"documentsOpened":4})";

INSTANTIATE_TEST_SUITE_P(
    Files, BadLibraryFile,
    ::testing::Values(QByteArray(R"({"entries":[)"), QByteArray(R"({"entries":[]})"),
                      R"({"stats":)" + goodStats + R"(,"entries":)" + QByteArray(100000, '[') +
                          QByteArray(100000, ']') + "}",
                      R"({"entries":[{"id":"x"}],"stats":)" + goodStats + "}"));

// A pipe or a file larger than any library in its place must not hold up the start; it is
// kept, set aside unread, before the first save.
struct SpecialFile {
    const char* name;
    std::function<void(const QString& path)> make;
};

void PrintTo(const SpecialFile& file, std::ostream* out) {
    *out << file.name;
}

class SpecialLibraryFile : public LibraryStoreTest,
                           public ::testing::WithParamInterface<SpecialFile> {};

TEST_P(SpecialLibraryFile, IsSetAsideUnread) {
    QDir().mkpath(folder());
    GetParam().make(libraryPath());
    auto store = open();
    EXPECT_TRUE(store->entries().empty());
    addText(*store, "text:a");
    store->flush();
    ASSERT_EQ(badFiles().size(), 1);
    EXPECT_EQ(open()->entries(), store->entries());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpecialLibraryFile,
    ::testing::Values(SpecialFile{"fifo",
                                  [](const QString& path) {
                                      ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0);
                                  }},
                      SpecialFile{"oversized",
                                  [](const QString& path) {
                                      QFile file(path);
                                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                                      ASSERT_TRUE(file.resize(LibraryStore::maxFileBytes + 1));
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LibraryStoreTest, OnlyTemporaryFilesOfInterruptedSavesAreRemovedAtStart) {
    QDir().mkpath(folder() + "/library.json.sub123");
    const QStringList kept{"library.json.bad-20260101T000000Z", "library.json.Ab3xY",
                           "notes.json.Ab3xYz", "library.json.sub123"};
    for (const QString& name : kept + QStringList{"library.json.Ab3xYz", "library.json.000000"}) {
        QFile file(folder() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) || QFileInfo(file).isDir());
    }
    open();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              expected);
}

class LinkedLibrary : public LibraryStoreTest, public ::testing::WithParamInterface<bool> {};

// A library kept elsewhere (a synced folder) through a link stays a link: its target is
// replaced in its own folder, and an unreadable target is set aside there.
TEST_P(LinkedLibrary, StaysALinkAndItsTargetIsReplaced) {
    const bool relative = GetParam();
    const QString synced = dataHome_.path() + "/synced";
    QDir().mkpath(synced);
    QDir().mkpath(folder());
    const QString target = synced + "/reading.json";
    QFile bad(target);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("not json") > 0);
    bad.close();
    QFile stale(target + ".Zz9Zz9");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    ASSERT_TRUE(QFile::link(relative ? "../synced/reading.json" : target, libraryPath()));

    auto store = open();
    addText(*store, "text:a");
    store->flush();

    EXPECT_TRUE(QFileInfo(libraryPath()).isSymLink());
    EXPECT_EQ(QFileInfo(libraryPath()).symLinkTarget(), target);
    QStringList names = QDir(synced).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 2) << names.join(' ').toStdString();
    EXPECT_EQ(names[0], "reading.json");
    EXPECT_TRUE(names[1].startsWith("reading.json.bad-"));
    EXPECT_EQ(read(synced + "/" + names[1]), "not json");
    EXPECT_EQ(open()->entries(), store->entries());
}

INSTANTIATE_TEST_SUITE_P(Targets, LinkedLibrary, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "relative" : "absolute"; });

// Saves pile up faster than the disk takes them: every wait is answered, and the state on disk
// when the store goes is the last one.
TEST_F(LibraryStoreTest, QuickChangesEndWithTheNewestStateOnDisk) {
    auto store = open();
    addText(*store, "text:a", 1000);
    int answered = 0;
    for (int index = 1; index <= 300; ++index) {
        store->updateProgress("text:a", index);
        store->whenSaved([&](const std::optional<QString>& failure) {
            EXPECT_FALSE(failure);
            ++answered;
        });
    }
    store.reset();
    EXPECT_EQ(answered, 300);
    EXPECT_EQ(open()->entries().at(0).lastIndex, 300);
}

// Root writes anywhere, so this runs as an ordinary user.
TEST_F(LibraryStoreTest, AReadOnlyFolderIsSaidAndTheStateWaitsInMemory) {
    if (!testsupport::runningAsOrdinaryUser()) {
        return;
    }
    auto store = open();
    addText(*store, "text:a");
    store->flush();
    ASSERT_EQ(::chmod(QFile::encodeName(folder()), 0555), 0);
    std::optional<QString> answer;
    store->updateProgress("text:a", 42);
    store->whenSaved([&](std::optional<QString> failure) { answer = std::move(failure); });
    store->flush();
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->endsWith(": Permission denied")) << answer->toStdString();
    EXPECT_EQ(open()->entries().at(0).lastIndex, 0);

    ASSERT_EQ(::chmod(QFile::encodeName(folder()), 0755), 0);
    store->recordSession();
    store->flush();
    EXPECT_EQ(open()->entries().at(0).lastIndex, 42);
}

} // namespace
} // namespace velora

namespace velora {
namespace {

// Text recognised from a scan is kept with its file's entry until the file reads otherwise.
TEST_F(LibraryStoreTest, AFileKeepsOnlyTextRecognisedFromIt) {
    const std::string id = "file:/scans/letter.pdf";
    auto store = open();
    const ReadingHistoryEntry first = store->registerDocument(
        id, "letter.pdf", Kind::file, 3, "/scans/letter.pdf", "Dear reader, hello.", "f1");
    EXPECT_EQ(first.storedText, "Dear reader, hello.");
    EXPECT_EQ(first.recognisedFrom, "f1");
    store->flush();
    EXPECT_EQ(open()->entries(), store->entries());

    const ReadingHistoryEntry withTextLayer = store->registerDocument(
        id, "letter.pdf", Kind::file, 3, "/scans/letter.pdf", "Dear reader, hello.");
    EXPECT_EQ(withTextLayer.storedText, std::nullopt);
    EXPECT_EQ(withTextLayer.recognisedFrom, std::nullopt);

    const ReadingHistoryEntry plainFile = store->registerDocument(
        "file:/notes.txt", "notes.txt", Kind::file, 1, "/notes.txt", "Notes.");
    EXPECT_EQ(plainFile.storedText, std::nullopt);
}

} // namespace
} // namespace velora
