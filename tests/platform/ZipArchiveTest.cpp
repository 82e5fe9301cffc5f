#include "platform/documents/ZipArchive.hpp"

#include "DocumentFixtures.hpp"
#include "app/FileBytes.hpp"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velora {
namespace {

// Rewrites the recorded uncompressed size of the archive's only entry, in its local header and
// in the central directory alike, as a zip bomb that lies about its size would.
void understateSize(const std::filesystem::path& file, std::uint32_t size) {
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto patch = [&bytes, size](std::size_t at) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
        }
    };
    const auto local = bytes.find("PK\x03\x04");
    const auto central = bytes.find("PK\x01\x02");
    ASSERT_NE(local, std::string::npos);
    ASSERT_NE(central, std::string::npos);
    patch(local + 22);
    patch(central + 24);
    fixtures::writeFile(file, bytes);
}

class ZipArchiveTest : public ::testing::Test {
protected:
    fixtures::ScratchFolder scratch_;
};

TEST_F(ZipArchiveTest, RefusesAnEntryThatInflatesBeyondItsRecordedSize) {
    const auto file = scratch_ / "bomb.zip";
    fixtures::writeZip(file, {{"big.bin", std::string(1 << 20, '\0')}});
    understateSize(file, 100);
    const auto bytes = FileBytes::read(file);
    const auto archive = ZipArchive::fromBytes(*bytes);
    ASSERT_TRUE(archive.has_value());
    EXPECT_FALSE(archive->isSafeToUnpack({}));
    auto entry = archive->stream("big.bin", 1 << 30);
    ASSERT_TRUE(entry.has_value());
    char buffer[4096];
    int count = 0;
    while ((count = entry->read(buffer, sizeof buffer)) > 0) {
    }
    EXPECT_EQ(count, -1);
}

TEST_F(ZipArchiveTest, RefusesEntriesBelowOneOfItsOwnLinks) {
    const auto linked = scratch_ / "linked.zip";
    fixtures::writeZip(linked, {{"a/link", "/etc", {}, true}, {"a/link/x.txt", "planted"}});
    const auto linkedBytes = FileBytes::read(linked);
    EXPECT_FALSE(ZipArchive::fromBytes(*linkedBytes)->isSafeToUnpack({}));
    const auto lone = scratch_ / "lone.zip";
    fixtures::writeZip(lone, {{"a/link", "/etc", {}, true}, {"a/linked.txt", "fine"}});
    const auto loneBytes = FileBytes::read(lone);
    EXPECT_TRUE(ZipArchive::fromBytes(*loneBytes)->isSafeToUnpack({}));
}

} // namespace
} // namespace velora
