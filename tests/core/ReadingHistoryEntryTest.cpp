#include "core/ReadingHistoryEntry.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace velora {
namespace {

ReadingHistoryEntry sample() {
    return ReadingHistoryEntry{.id = "text:abc:3",
                               .title = "Tête-à-tête \"quoted\"\n",
                               .kind = ReadingHistoryEntry::Kind::text,
                               .wordCount = 120,
                               .lastIndex = -4,
                               .updatedAt = TimePoint{786'000'000.123456789},
                               .filePath = std::nullopt,
                               .storedText = std::string("a\0b", 3),
                               .recognisedFrom = std::nullopt};
}

TEST(ReadingHistoryEntry, JsonRoundTripsExactly) {
    auto entry = sample();
    EXPECT_EQ(ReadingHistoryEntry::fromJson(nlohmann::json::parse(entry.toJson().dump())), entry);
    entry.kind = ReadingHistoryEntry::Kind::file;
    entry.filePath = "/tmp/a.pdf";
    entry.storedText = "Recognised from a scan";
    entry.recognisedFrom = "9f86d081884c7d65";
    entry.updatedAt = TimePoint::now();
    EXPECT_EQ(ReadingHistoryEntry::fromJson(nlohmann::json::parse(entry.toJson().dump())), entry);
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
                         ::testing::Values(BadEntryCase{"IdMissing", "id", discarded},
                                           BadEntryCase{"WordCountFraction", "wordCount", 1.5}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
