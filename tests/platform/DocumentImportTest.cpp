#include "platform/DocumentImport.hpp"

#include "DocumentFixtures.hpp"
#include "app/ImportService.hpp"
#include "platform/ChildProcess.hpp"
#include "platform/LinuxDocumentReaders.hpp"

#include <functional>
#include <gtest/gtest.h>

namespace velora {
namespace {

using fixtures::ScratchFolder;

const std::string wordXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
    "<w:p><w:r><w:t>Word heading</w:t></w:r></w:p><w:p><w:r><w:t>Caf\u00E9 text</w:t></w:r>"
    "</w:p></w:body></w:document>";

const std::string openDocumentXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
    "<text:h>Open heading</text:h><text:p>Two<text:s text:c=\"2\"/>spaces</text:p>"
    "</office:text></office:body></office:document-content>";

struct ImportCase {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path&)> write;
    std::optional<std::string> text;
};

class RealDocument : public ::testing::TestWithParam<ImportCase> {
protected:
    ScratchFolder scratch_;
};

TEST_P(RealDocument, ImportsToTheRightText) {
    const auto file = scratch_ / GetParam().file;
    GetParam().write(file);
    EXPECT_EQ(DocumentImport::readFile(file), GetParam().text);
}

void writeText(const std::filesystem::path& file, const std::string& bytes) {
    fixtures::writeFile(file, bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Types, RealDocument,
    ::testing::Values(
        ImportCase{"pdfPages", "paper.pdf",
                   [](const auto& f) {
                       fixtures::writePdf(f, {"First page", "Second page"});
                   },
                   "First page\n\nSecond page"},
        ImportCase{"pdfUnicode", "unicode.pdf",
                   [](const auto& f) { fixtures::writePdf(f, {"Caf\u00E9 na\u00EFve \u00DF"}); },
                   "Caf\u00E9 na\u00EFve \u00DF"},
        ImportCase{"pdfEmptyPageInTheMiddle", "gap.pdf",
                   [](const auto& f) {
                       fixtures::writePdf(f, {"A", "", "B"});
                   },
                   "A\n\n\n\nB"},
        ImportCase{"epub", "Book.EPUB",
                   [](const auto& f) {
                       fixtures::writeEpub(f, {{"ch1.xhtml", fixtures::xhtml("<p>Alpha</p>")},
                                               {"ch2.xhtml", fixtures::xhtml("<p>Beta</p>")}});
                   },
                   "Alpha\n\nBeta"},
        ImportCase{"docx", "letter.docx",
                   [](const auto& f) {
                       fixtures::writeZip(f, {{"[Content_Types].xml", "<Types/>"},
                                              {"word/document.xml", wordXml}});
                   },
                   "Word heading\nCaf\u00E9 text\n"},
        ImportCase{"odt", "letter.odt",
                   [](const auto& f) {
                       fixtures::writeZip(f,
                                          {{"mimetype", "application/vnd.oasis.opendocument.text"},
                                           {"content.xml", openDocumentXml}});
                   },
                   "Open heading\nTwo  spaces\n"},
        ImportCase{"rtf", "note.rtf",
                   [](const auto& f) {
                       writeText(f, "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364? ok\\par}");
                   },
                   "caf\u00E9 \u20AC ok\n"},
        ImportCase{"rtfd", "note.rtfd",
                   [](const auto& f) {
                       writeText(f / "TXT.rtf", "{\\rtf1 Bundle text}");
                       writeText(f / "image.png", "\x89PNG");
                   },
                   "Bundle text"},
        ImportCase{"htmlUtf8", "page.html",
                   [](const auto& f) { writeText(f, "<p>Gr\u00FC\u00DFe &amp; more</p>"); },
                   "Gr\u00FC\u00DFe & more\n"},
        ImportCase{"htmlLatin1", "page.HTM",
                   [](const auto& f) {
                       writeText(f, "<meta charset=iso-8859-1><p>Gr\xFC\xDF"
                                    "e</p>");
                   },
                   "Gr\u00FC\u00DFe\n"},
        ImportCase{"webarchiveUtf8", "saved.webarchive",
                   [](const auto& f) {
                       fixtures::writeWebArchive(f, "<p>Saved \u2014 page</p>", "UTF-8");
                   },
                   "Saved \u2014 page\n"},
        ImportCase{"webarchiveWindows1252", "saved.webarchive",
                   [](const auto& f) {
                       fixtures::writeWebArchive(f, "<p>\x93Quoted\x94</p>", "windows-1252");
                   },
                   "\u201CQuoted\u201D\n"},
        ImportCase{"markdown", "Notes.MD",
                   [](const auto& f) { writeText(f, "# Notes\n\nSome **bold** [link](x)."); },
                   "Notes\n\nSome bold link."},
        ImportCase{"plainWindows1252", "old.txt",
                   [](const auto& f) { writeText(f, "\x93It's caf\xE9 time\x94, he said."); },
                   "\u201CIt's caf\u00E9 time\u201D, he said."},
        ImportCase{"noExtension", "README", [](const auto& f) { writeText(f, "just text"); },
                   "just text"}),
    [](const auto& info) { return info.param.name; });

class BrokenDocument : public RealDocument {};

TEST_P(BrokenDocument, IsAbsent) {
    const auto file = scratch_ / GetParam().file;
    GetParam().write(file);
    EXPECT_FALSE(DocumentImport::readFile(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Types, BrokenDocument,
    ::testing::Values(ImportCase{"pdfWithoutTextLayer", "scan.pdf",
                                 [](const auto& f) {
                                     fixtures::writePdf(f, {"", ""});
                                 },
                                 std::nullopt},
                      ImportCase{"pdfThatIsText", "fake.pdf",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"pdfTruncated", "cut.pdf",
                                 [](const auto& f) {
                                     fixtures::writePdf(f, {"Some text"});
                                     std::filesystem::resize_file(f, 300);
                                 },
                                 std::nullopt},
                      ImportCase{"docxThatIsText", "fake.docx",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"docxWithoutDocumentPart", "empty.docx",
                                 [](const auto& f) {
                                     fixtures::writeZip(f, {{"other.xml", "<a/>"}});
                                 },
                                 std::nullopt},
                      ImportCase{"docxTruncated", "cut.docx",
                                 [](const auto& f) {
                                     fixtures::writeZip(f, {{"word/document.xml", wordXml}});
                                     std::filesystem::resize_file(f, std::filesystem::file_size(f) -
                                                                         30);
                                 },
                                 std::nullopt},
                      ImportCase{"odtThatIsText", "fake.odt",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"rtfThatIsText", "fake.rtf",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"rtfdWithoutText", "empty.rtfd",
                                 [](const auto& f) { std::filesystem::create_directories(f); },
                                 std::nullopt},
                      ImportCase{"htmlWithoutText", "blank.html",
                                 [](const auto& f) {
                                     writeText(f, "<html><head><title>t</title></head></html>");
                                 },
                                 std::nullopt},
                      ImportCase{"webarchiveThatIsHtml", "fake.webarchive",
                                 [](const auto& f) { writeText(f, "<p>hello</p>"); }, std::nullopt},
                      ImportCase{"epubThatIsText", "fake.epub",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"docThatIsText", "fake.doc",
                                 [](const auto& f) { writeText(f, "hello"); }, std::nullopt},
                      ImportCase{"missingFile", "missing.txt", [](const auto&) {}, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(LegacyWord, PassesTheToolsTextThroughAndIsAbsentWithoutTheTool) {
    ScratchFolder scratch;
    const auto document = scratch / "old.doc";
    fixtures::writeFile(document, "\xD0\xCF\x11\xE0 not really");
    const auto tool = scratch / "antiword";
    fixtures::writeFile(tool, "#!/bin/sh\n[ \"$1 $2 $3 $4\" = \"-m UTF-8.txt -w 0\" ] || exit 2\n"
                              "printf 'Old \\342\\200\\224 Word\\n'\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    const ImportService withTool(std::make_shared<LinuxDocumentReaders>(
        LinuxDocumentReaders::Tools{"/usr/bin/unzip", tool}));
    EXPECT_EQ(withTool.importTextNow(document), "Old \u2014 Word\n");
    const ImportService without(std::make_shared<LinuxDocumentReaders>(
        LinuxDocumentReaders::Tools{"/usr/bin/unzip", scratch / "no-such-tool"}));
    EXPECT_FALSE(without.importTextNow(document).has_value());
}

ChildProcess::Options options(ChildProcess::Output output, std::chrono::milliseconds timeout,
                              std::size_t maxOutput = 1 << 20) {
    ChildProcess::Options result;
    result.output = output;
    result.timeout = timeout;
    result.maxOutput = maxOutput;
    return result;
}

TEST(ChildProcess, ReportsOnlyACleanExit) {
    const auto capture = options(ChildProcess::Output::capture, std::chrono::seconds(10));
    EXPECT_EQ(ChildProcess::run("/bin/echo", {"-n", "hi"}, capture), "hi");
    EXPECT_EQ(ChildProcess::run("/bin/true", {}, {}), "");
    EXPECT_FALSE(ChildProcess::run("/bin/false", {}, capture).has_value());
    EXPECT_FALSE(ChildProcess::run("/no/such/program", {}, capture).has_value());
    const auto quick = options(ChildProcess::Output::discard, std::chrono::milliseconds(100));
    EXPECT_FALSE(ChildProcess::run("/bin/sleep", {"10"}, quick).has_value());
    const auto small = options(ChildProcess::Output::capture, std::chrono::seconds(10), 1000);
    EXPECT_FALSE(ChildProcess::run("/usr/bin/yes", {}, small).has_value());
}

} // namespace
} // namespace velora
