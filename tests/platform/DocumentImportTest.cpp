#include "platform/documents/DocumentImport.hpp"

#include "DocumentFixtures.hpp"
#include "app/ImportService.hpp"
#include "core/TextEngine.hpp"
#include "platform/documents/ChildProcess.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    ImportResult text;
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

const std::string russian =
    "\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440! \u042D\u0442\u043E "
    "\u043F\u0440\u043E\u0441\u0442\u043E\u0439 \u0440\u0443\u0441\u0441\u043A\u0438\u0439 "
    "\u0442\u0435\u043A\u0441\u0442 \u0434\u043B\u044F \u0447\u0442\u0435\u043D\u0438\u044F.\n";
const std::string french = "L\u2019\u00E9t\u00E9 dernier, nous sommes all\u00E9s \u00E0 la plage. "
                           "C\u2019\u00E9tait tr\u00E8s agr\u00E9able.\n";

std::string nested(int depth, const std::string& text) {
    std::string html = "<html><body>";
    for (int i = 0; i < depth; ++i) {
        html += "<div>";
    }
    html += text;
    for (int i = 0; i < depth; ++i) {
        html += "</div>";
    }
    return html + "</body></html>";
}

INSTANTIATE_TEST_SUITE_P(
    Types, RealDocument,
    ::testing::Values(
        ImportCase{"pdfPages", "paper.pdf",
                   [](const auto& f) {
                       fixtures::writePdf(f, {"First page", "Second page"});
                   },
                   "First page\n\nSecond page"},
        ImportCase{"textHardWrapped", "notes.txt",
                   [](const auto& f) {
                       writeText(f, "It was a long\r\nday, a remark-\r\nable one.\r\n"
                                    "Then night\r\n\r\n- fell\r\n");
                   },
                   "It was a long day, a remarkable one.\nThen night\n\n- fell\n"},
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
        ImportCase{"htmlLatin1", "page.HTM",
                   [](const auto& f) {
                       writeText(f, "<meta charset=iso-8859-1><p>Gr\xFC\xDF"
                                    "e</p>");
                   },
                   "Gr\u00FC\u00DFe\n"},
        ImportCase{"pdfWithoutExtension", "scan-0001",
                   [](const auto& f) { fixtures::writePdf(f, {"No name needed"}); },
                   "No name needed"},
        ImportCase{"rtfNamedDoc", "saved.doc",
                   [](const auto& f) { writeText(f, "{\\rtf1\\ansi Rich text\\par}"); },
                   "Rich text\n"},
        ImportCase{"htmlNamedDoc", "page.doc",
                   [](const auto& f) { writeText(f, "<html><body><p>Web text</p></body></html>"); },
                   "Web text\n"},
        ImportCase{"htmlNestedDeep", "deep.html",
                   [](const auto& f) { writeText(f, nested(300, "Deep inside")); },
                   "Deep inside\n"},
        ImportCase{"koi8r", "letter.txt",
                   [](const auto& f) { writeText(f, fixtures::encoded(russian, "KOI8-R")); },
                   russian},
        ImportCase{"windows1252", "note.txt",
                   [](const auto& f) { writeText(f, fixtures::encoded(french, "windows-1252")); },
                   french},
        ImportCase{"webarchiveWindows1252", "saved.webarchive",
                   [](const auto& f) {
                       fixtures::writeWebArchive(f, "<p>\x93Quoted\x94</p>", "windows-1252");
                   },
                   "\u201CQuoted\u201D\n"}),
    [](const auto& info) { return info.param.name; });

// The page is wrapped by the writer, as a typeset page is: only the paragraph's own end ends it.
TEST(WrappedPdf, PausesOnlyAtParagraphEnds) {
    ScratchFolder scratch;
    const auto file = scratch / "wrapped.pdf";
    std::string paragraph;
    for (int i = 0; i < 12; ++i) {
        paragraph += "the words of a paragraph run on over the width of the page and ";
    }
    fixtures::writePdf(file, {"Title\n\n" + paragraph + "end.\n\nnext one"});
    const auto text = DocumentImport::readFile(file);
    ASSERT_TRUE(text.ok());
    std::vector<std::string> paragraphEnds;
    for (const Word& word : TextEngine::tokenize(text.text())) {
        if (word.isParagraphEnd) {
            paragraphEnds.push_back(word.text);
        }
    }
    EXPECT_EQ(paragraphEnds, (std::vector<std::string>{"Title", "end.", "one"}));
}

class BrokenDocument : public RealDocument {};

TEST_P(BrokenDocument, SaysWhy) {
    const auto file = scratch_ / GetParam().file;
    GetParam().write(file);
    EXPECT_EQ(DocumentImport::readFile(file), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Types, BrokenDocument,
    ::testing::Values(
        ImportCase{"pdfWithoutTextLayer", "scan.pdf",
                   [](const auto& f) {
                       fixtures::writePdf(f, {"", ""});
                   },
                   ImportFailure::scannedImages},
        ImportCase{"pdfWithPassword", "locked.pdf",
                   [](const auto& f) { fixtures::writeLockedPdf(f, {"Secret page"}, "owl"); },
                   ImportFailure::passwordProtected},
        ImportCase{"docxTruncated", "cut.docx",
                   [](const auto& f) {
                       fixtures::writeZip(f, {{"word/document.xml", wordXml}});
                       std::filesystem::resize_file(f, std::filesystem::file_size(f) - 30);
                   },
                   ImportFailure::damaged},
        ImportCase{"epubThatIsNoArchive", "fake.epub",
                   [](const auto& f) { writeText(f, "PK\x03\x04 cut short"); },
                   ImportFailure::damaged},
        ImportCase{"fifo", "book.pdf", [](const auto& f) { ::mkfifo(f.c_str(), 0600); },
                   ImportFailure::notRegularFile}),
    [](const auto& info) { return info.param.name; });

TEST(LegacyWord, TheToolReadsTheOpenFileAndIsMissedWhenAbsent) {
    ScratchFolder scratch;
    const auto document = scratch / "old.doc";
    fixtures::writeFile(document, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 not really");
    const auto tool = scratch / "antiword";
    fixtures::writeFile(
        tool, "#!/bin/sh\n[ \"$1 $2 $3 $4 $5\" = \"-m UTF-8.txt -w 0 /dev/fd/3\" ] || exit 2\n"
              "head -c 4 \"$5\" | grep -q \"$(printf '\\320\\317')\" || exit 3\n"
              "printf 'Old \\342\\200\\224 Word\\n'\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    const ImportService withTool(std::make_shared<LinuxDocumentReaders>(
        LinuxDocumentReaders::Tools{"/usr/bin/unzip", tool}));
    EXPECT_EQ(withTool.importText(document), ImportResult("Old \u2014 Word\n"));
    const ImportService without(std::make_shared<LinuxDocumentReaders>(
        LinuxDocumentReaders::Tools{"/usr/bin/unzip", scratch / "no-such-tool"}));
    EXPECT_EQ(without.importText(document), ImportFailure::toolMissing);
}

TEST(ChildProcess, ReportsOnlyACleanExitInTimeAndWithinTheOutputLimit) {
    ChildProcess::Options options;
    options.output = ChildProcess::Output::capture;
    options.timeout = std::chrono::seconds(10);
    options.maxOutput = 1000;
    EXPECT_EQ(ChildProcess::run("/bin/echo", {"-n", "hi"}, options), "hi");
    EXPECT_FALSE(ChildProcess::run("/bin/false", {}, options).has_value());
    EXPECT_FALSE(ChildProcess::run("/usr/bin/yes", {}, options).has_value());
    options.timeout = std::chrono::milliseconds(100);
    EXPECT_FALSE(ChildProcess::run("/bin/sleep", {"10"}, options).has_value());
}

} // namespace
} // namespace velora
