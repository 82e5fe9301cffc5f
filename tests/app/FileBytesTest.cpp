#include "app/FileBytes.hpp"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velora {
namespace {

class FileBytesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velora-bytes-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto file = folder_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::filesystem::path folder_;
};

TEST_F(FileBytesTest, ReadsEveryByteUpToTheLimit) {
    const std::string content = std::string("a\0b\xFF", 4) + std::string(100000, 'x');
    const auto file = write("data.bin", content);
    EXPECT_EQ(FileBytes::read(file), content);
    EXPECT_EQ(FileBytes::read(file, content.size()), content);
    EXPECT_FALSE(FileBytes::read(file, content.size() - 1).has_value());
    EXPECT_EQ(FileBytes::read(write("empty", "")), "");
}

TEST_F(FileBytesTest, RefusesWhatIsNoRegularFileAndSaysWhy) {
    const auto refusal = [](const std::filesystem::path& file) {
        std::error_code error;
        EXPECT_FALSE(FileBytes::read(file, FileBytes::defaultLimit, error).has_value());
        return error;
    };
    EXPECT_EQ(refusal(folder_), FileBytes::Refusal::notRegularFile);
    EXPECT_EQ(refusal(folder_ / "missing"), std::errc::no_such_file_or_directory);
    const auto fifo = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening a pipe with no writer must not block the reader.
    EXPECT_EQ(refusal(fifo), FileBytes::Refusal::notRegularFile);
}

} // namespace
} // namespace velora
