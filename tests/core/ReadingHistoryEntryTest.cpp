#include "core/ReadingHistoryEntry.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace velora {
namespace {

struct PositionCase {
    std::int64_t wordCount;
    std::int64_t lastIndex;
    double progress;
    bool finished;
};

class EntryPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(EntryPosition, ProgressClampsAndFinishedNeedsTheEnd) {
    ReadingHistoryEntry entry;
    entry.wordCount = GetParam().wordCount;
    entry.lastIndex = GetParam().lastIndex;
    EXPECT_EQ(entry.progress(), GetParam().progress);
    EXPECT_EQ(entry.isFinished(), GetParam().finished);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, EntryPosition,
    ::testing::Values(PositionCase{0, 5, 0.0, false}, PositionCase{-3, -5, 0.0, false},
                      PositionCase{10, 15, 1.0, true}, PositionCase{10, -3, 0.0, false},
                      PositionCase{10, 5, 0.5, false}, PositionCase{10, 9, 0.9, false},
                      PositionCase{10, 10, 1.0, true}));

ReadingHistoryEntry sample() {
    return ReadingHistoryEntry{.id = "text:abc:3",
                               .title = "Tête-à-tête \"quoted\"\n",
                               .kind = ReadingHistoryEntry::Kind::text,
                               .wordCount = 120,
                               .lastIndex = -4,
                               .updatedAt = TimePoint{786'000'000.123456789},
                               .filePath = std::nullopt,
                               .storedText = std::string("a\0b", 3)};
}

TEST(ReadingHistoryEntry, JsonRoundTripsExactly) {
    auto entry = sample();
    EXPECT_EQ(ReadingHistoryEntry::fromJson(nlohmann::json::parse(entry.toJson().dump())), entry);
    entry.kind = ReadingHistoryEntry::Kind::file;
    entry.filePath = "/tmp/a.pdf";
    entry.storedText.reset();
    entry.updatedAt = TimePoint::now();
    EXPECT_EQ(ReadingHistoryEntry::fromJson(nlohmann::json::parse(entry.toJson().dump())), entry);
}

TEST(ReadingHistoryEntry, AbsentOptionalsAreLeftOut) {
    auto entry = sample();
    entry.storedText.reset();
    const auto json = entry.toJson();
    EXPECT_EQ(json.size(), 6U);
    auto withNulls = json;
    withNulls["filePath"] = nullptr;
    withNulls["storedText"] = nullptr;
    withNulls["unknown"] = 1;
    EXPECT_EQ(ReadingHistoryEntry::fromJson(withNulls), entry);
}

struct BadEntryCase {
    const char* name;
    const char* key;
    nlohmann::json value; // discarded: remove the key
};

class BadEntries : public ::testing::TestWithParam<BadEntryCase> {};

TEST_P(BadEntries, FailTheRead) {
    auto json = sample().toJson();
    if (GetParam().value.is_discarded()) {
        json.erase(GetParam().key);
    } else {
        json[GetParam().key] = GetParam().value;
    }
    EXPECT_FALSE(ReadingHistoryEntry::fromJson(json));
}

const auto discarded = nlohmann::json(nlohmann::json::value_t::discarded);

INSTANTIATE_TEST_SUITE_P(Entries, BadEntries,
                         ::testing::Values(BadEntryCase{"KindCapitalised", "kind", "File"},
                                           BadEntryCase{"KindMissing", "kind", discarded},
                                           BadEntryCase{"IdMissing", "id", discarded},
                                           BadEntryCase{"IdNull", "id", nullptr},
                                           BadEntryCase{"TitleNumber", "title", 3},
                                           BadEntryCase{"WordCountFraction", "wordCount", 1.5},
                                           BadEntryCase{"LastIndexText", "lastIndex", "3"},
                                           BadEntryCase{"UpdatedAtMissing", "updatedAt", discarded},
                                           BadEntryCase{"UpdatedAtText", "updatedAt", "2024-01-01"},
                                           BadEntryCase{"FilePathNumber", "filePath", 7},
                                           BadEntryCase{"StoredTextArray", "storedText",
                                                        nlohmann::json::array()}),
                         [](const auto& info) { return info.param.name; });

TEST(ReadingHistoryEntry, KindParsesOnlyItsRawValues) {
    EXPECT_EQ(kindFromString("file"), ReadingHistoryEntry::Kind::file);
    EXPECT_EQ(kindFromString("text"), ReadingHistoryEntry::Kind::text);
    EXPECT_FALSE(kindFromString("Text"));
}

} // namespace
} // namespace velora
