#include "platform/EPUBExtractor.hpp"

#include "DocumentFixtures.hpp"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>

namespace velora {
namespace {

using fixtures::xhtml;

class EPUBExtraction : public ::testing::Test {
protected:
    // Every call gets its own temporary parent so leftovers can be counted.
    EPUBExtractor extractor(ZipArchive::Limits limits = {},
                            std::filesystem::path unzip = "/usr/bin/unzip") const {
        return EPUBExtractor(std::move(unzip), temporary_.path(), limits);
    }

    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temporary_.path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    void TearDown() override { EXPECT_TRUE(leftovers().empty()); }

    fixtures::ScratchFolder scratch_;
    fixtures::ScratchFolder temporary_;
};

TEST_F(EPUBExtraction, ReadsChaptersInPathOrderJoinedByAnEmptyLine) {
    const auto book = scratch_ / "book.epub";
    fixtures::writeEpub(book, {{"Text/ch2.xhtml", xhtml("<p>Two</p>")},
                               {"Text/ch10.xhtml", xhtml("<h1>Ten</h1><p>More</p>")},
                               {"Text/ch1.xhtml", xhtml("<p>One &amp; only</p>")},
                               {"Text/cover.xhtml", xhtml("<img src=\"c.jpg\"/>")},
                               {"Text/Z.HTML", xhtml("<p>Capital</p>")},
                               {"Text/notes.xml", "<p>not a chapter</p>"},
                               {"extra.opf", "<p>not a chapter</p>"}});
    EXPECT_EQ(extractor().text(book), "Capital\n\nOne & only\n\nTen\nMore\n\nTwo");
}

TEST_F(EPUBExtraction, SkipsAChapterThatIsNotUtf8) {
    const auto book = scratch_ / "book.epub";
    fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Good</p>")},
                               {"b.xhtml", xhtml("<p>Caf\xE9</p>")},
                               {"c.xhtml", xhtml("<p>Also good</p>")}});
    EXPECT_EQ(extractor().text(book), "Good\n\nAlso good");
}

TEST_F(EPUBExtraction, NeverFollowsAChapterThatIsALink) {
    const auto secret = scratch_ / "secret.html";
    fixtures::writeFile(secret, "<p>private letter</p>");
    const auto book = scratch_ / "book.epub";
    fixtures::writeZip(book, {{"mimetype", "application/epub+zip"},
                              {"OEBPS/a.xhtml", xhtml("<p>Story</p>")},
                              {"OEBPS/b.xhtml", secret.string(), {}, true},
                              {"OEBPS/link", scratch_.path().string(), {}, true}});
    EXPECT_EQ(extractor().text(book), "Story");
}

TEST_F(EPUBExtraction, RemovesFoldersUnpackedWithoutPermissions) {
    const auto book = scratch_ / "book.epub";
    fixtures::writeZip(book, {{"OEBPS/", "", 0500},
                              {"OEBPS/a.xhtml", xhtml("<p>Locked</p>"), 0400},
                              {"OEBPS/closed/", "", 0},
                              {"OEBPS/closed/b.xhtml", xhtml("<p>Hidden</p>"), 0}});
    // Whether the closed folder can be read depends on who runs the test; removal may not.
    const auto text = extractor().text(book);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 6), "Locked");
}

TEST_F(EPUBExtraction, FolderNameIsPrivateAndUnique) {
    // Observed through a tool that records its destination instead of unpacking.
    const auto tool = scratch_ / "fake-unzip";
    const auto log = scratch_ / "destinations";
    fixtures::writeFile(tool, "#!/bin/sh\necho \"$5\" >> '" + log.string() +
                                  "'\nstat -c %a \"$5\" >> '" + log.string() + "'\nexit 0\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    const auto book = scratch_ / "book.epub";
    fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>x</p>")}});
    EXPECT_FALSE(extractor({}, tool).text(book).has_value());
    EXPECT_FALSE(extractor({}, tool).text(book).has_value());
    std::ifstream in(log);
    std::string first, firstMode, second, secondMode;
    in >> first >> firstMode >> second >> secondMode;
    const std::regex name("vl-epub-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}");
    EXPECT_TRUE(std::regex_match(std::filesystem::path(first).filename().string(), name)) << first;
    EXPECT_EQ(std::filesystem::path(first).parent_path(), temporary_.path());
    EXPECT_NE(first, second);
    EXPECT_EQ(firstMode, "700");
}

struct FailureCase {
    const char* name;
    std::function<void(const std::filesystem::path& book)> write;
    ZipArchive::Limits limits;
    const char* unzip;
};

class EPUBFailure : public EPUBExtraction, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EPUBFailure, IsAbsentAndLeavesNothingBehind) {
    const auto book = scratch_ / "book.epub";
    GetParam().write(book);
    EXPECT_FALSE(extractor(GetParam().limits, GetParam().unzip).text(book).has_value());
}

std::string zeros(std::size_t size) {
    return std::string(size, '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Books, EPUBFailure,
    ::testing::Values(
        FailureCase{"notAZipArchive",
                    [](const auto& book) { fixtures::writeFile(book, "<html>nope</html>"); },
                    {},
                    "/usr/bin/unzip"},
        FailureCase{"missingFile", [](const auto&) {}, {}, "/usr/bin/unzip"},
        FailureCase{"truncatedArchive",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Text</p>")}});
                        std::filesystem::resize_file(book, std::filesystem::file_size(book) / 2);
                    },
                    {},
                    "/usr/bin/unzip"},
        FailureCase{"noHtmlFiles",
                    [](const auto& book) {
                        fixtures::writeZip(
                            book, {{"mimetype", "application/epub+zip"}, {"OEBPS/a.txt", "text"}});
                    },
                    {},
                    "/usr/bin/unzip"},
        FailureCase{"onlyImages",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"cover.xhtml", xhtml("<img src=\"a\"/>")}});
                    },
                    {},
                    "/usr/bin/unzip"},
        FailureCase{"undecodableChapter",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>\xFF\xFE bad</p>")}});
                    },
                    {},
                    "/usr/bin/unzip"},
        FailureCase{"missingUnzip",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Text</p>")}});
                    },
                    {},
                    "/nonexistent/unzip"},
        FailureCase{"unzipFails",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Text</p>")}});
                    },
                    {},
                    "/bin/false"},
        FailureCase{"tooLargeUnpacked",
                    [](const auto& book) {
                        fixtures::writeEpub(
                            book, {{"a.xhtml", xhtml("<p>Text</p>")}, {"b.bin", zeros(3 << 20)}});
                    },
                    {2 << 20, 100},
                    "/usr/bin/unzip"},
        FailureCase{"tooManyEntries",
                    [](const auto& book) {
                        std::vector<std::pair<std::string, std::string>> chapters;
                        for (int i = 0; i < 20; ++i) {
                            chapters.emplace_back(std::to_string(i) + ".xhtml", xhtml("<p>x</p>"));
                        }
                        fixtures::writeEpub(book, chapters);
                    },
                    {1 << 30, 10},
                    "/usr/bin/unzip"},
        FailureCase{"writesThroughItsOwnLink",
                    [](const auto& book) {
                        fixtures::writeZip(book, {{"OEBPS/a.xhtml", xhtml("<p>x</p>")},
                                                  {"escape", "/tmp", {}, true},
                                                  {"escape/planted.xhtml", "<p>x</p>"}});
                    },
                    {},
                    "/usr/bin/unzip"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
