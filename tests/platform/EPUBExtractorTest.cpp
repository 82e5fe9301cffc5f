#include "platform/documents/EPUBExtractor.hpp"

#include "DocumentFixtures.hpp"
#include "app/DocumentFile.hpp"
#include "support/Unprivileged.hpp"

#include <functional>
#include <gtest/gtest.h>

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

    // The book's text as the importer gets it: through its open descriptor.
    static ImportResult read(const EPUBExtractor& extractor, const std::filesystem::path& book) {
        auto opened = DocumentFile::open(book);
        if (const auto* failure = std::get_if<ImportFailure>(&opened)) {
            return *failure;
        }
        const auto& file = std::get<DocumentFile>(opened);
        return extractor.text(file.descriptor(), file.bytes());
    }

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
    EXPECT_EQ(read(extractor(), book), ImportResult("Capital\n\nOne & only\n\nTen\nMore\n\nTwo"));
}

// unzip takes a name with brackets as a pattern, which here also matches "Book 1.epub".
// Chapters are read as the markup they are, so every named and numbered character reference
// decodes and a bare "<" in prose is text.
TEST_F(EPUBExtraction, DecodesEveryCharacterReferenceAndKeepsABareLessThan) {
    const auto book = scratch_ / "references.epub";
    fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Caf&eacute; &#233;&#x2014;na&iuml;ve</p>"
                                                 "<p>if a < b then</p>")}});
    EXPECT_EQ(read(extractor(), book),
              ImportResult("Caf\u00E9 \u00E9\u2014na\u00EFve\nif a < b then"));
}

TEST_F(EPUBExtraction, ANameThatLooksLikeAPatternReadsThatVeryBook) {
    fixtures::writeEpub(scratch_ / "Book 1.epub", {{"a.xhtml", xhtml("<p>The wrong book</p>")}});
    const auto book = scratch_ / "Book [12].epub";
    fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>The chosen book</p>")}});
    EXPECT_EQ(read(extractor(), book), ImportResult("The chosen book"));
}

TEST_F(EPUBExtraction, SkipsAChapterThatIsNotUtf8) {
    const auto book = scratch_ / "book.epub";
    fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Good</p>")},
                               {"b.xhtml", xhtml("<p>Caf\xE9</p>")},
                               {"c.xhtml", xhtml("<p>Also good</p>")}});
    EXPECT_EQ(read(extractor(), book), ImportResult("Good\n\nAlso good"));
}

TEST_F(EPUBExtraction, NeverFollowsAChapterThatIsALink) {
    const auto secret = scratch_ / "secret.html";
    fixtures::writeFile(secret, "<p>private letter</p>");
    const auto book = scratch_ / "book.epub";
    fixtures::writeZip(book, {{"mimetype", "application/epub+zip"},
                              {"OEBPS/a.xhtml", xhtml("<p>Story</p>")},
                              {"OEBPS/b.xhtml", secret.string(), {}, true},
                              {"OEBPS/link", scratch_.path().string(), {}, true}});
    EXPECT_EQ(read(extractor(), book), ImportResult("Story"));
}

TEST_F(EPUBExtraction, RemovesFoldersUnpackedWithoutPermissions) {
    const auto book = scratch_ / "book.epub";
    fixtures::writeZip(book, {{"OEBPS/", "", 0500},
                              {"OEBPS/a.xhtml", xhtml("<p>Locked</p>"), 0400},
                              {"OEBPS/closed/", "", 0},
                              {"OEBPS/closed/b.xhtml", xhtml("<p>Hidden</p>"), 0}});
    // Whether the closed folder can be read depends on who runs the test; removal may not.
    const ImportResult text = read(extractor(), book);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text.text().substr(0, 6), "Locked");
}

// Only an ordinary user meets folders it cannot open; the clean-up must get through them even
// after links that point nowhere.
TEST_F(EPUBExtraction, RemovesLockedFoldersBehindDanglingLinks) {
    if (testing::rerunUnprivileged()) {
        return;
    }
    const auto book = scratch_ / "book.epub";
    std::vector<fixtures::ZipEntry> entries{{"a.xhtml", xhtml("<p>Text</p>")}};
    for (int i = 0; i < 20; ++i) {
        entries.push_back({"link" + std::to_string(i), "/nonexistent/target", {}, true});
        entries.push_back({"closed" + std::to_string(i) + "/", "", 0});
    }
    fixtures::writeZip(book, entries);
    EXPECT_EQ(read(extractor(), book), ImportResult("Text"));
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
    EXPECT_FALSE(read(extractor(GetParam().limits, GetParam().unzip), book).ok());
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
        FailureCase{"missingUnzip",
                    [](const auto& book) {
                        fixtures::writeEpub(book, {{"a.xhtml", xhtml("<p>Text</p>")}});
                    },
                    {},
                    "/nonexistent/unzip"},
        FailureCase{"tooLargeUnpacked",
                    [](const auto& book) {
                        fixtures::writeEpub(
                            book, {{"a.xhtml", xhtml("<p>Text</p>")}, {"b.bin", zeros(3 << 20)}});
                    },
                    {2 << 20, 100},
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
