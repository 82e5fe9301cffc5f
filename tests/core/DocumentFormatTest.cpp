#include "core/DocumentFormat.hpp"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace velora {
namespace {

using namespace std::string_literals;

// The smallest zip archive whose central directory names `entries` (all empty, stored), after a
// first "mimetype" entry holding `mimeType` when one is given.
std::string zipNaming(const std::vector<std::string>& entries, const std::string& mimeType = {}) {
    const auto le = [](std::uint32_t value, int width) {
        std::string bytes;
        for (int i = 0; i < width; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
        return bytes;
    };
    std::vector<std::pair<std::string, std::string>> files;
    if (!mimeType.empty()) {
        files.emplace_back("mimetype", mimeType);
    }
    for (const auto& name : entries) {
        files.emplace_back(name, "");
    }
    std::string local;
    std::string central;
    for (const auto& [name, content] : files) {
        const auto offset = static_cast<std::uint32_t>(local.size());
        const auto size = static_cast<std::uint32_t>(content.size());
        const auto nameLength = static_cast<std::uint32_t>(name.size());
        local += "PK\x03\x04"s + le(20, 2) + le(0, 2) + le(0, 2) + le(0, 4) + le(0, 4) +
                 le(size, 4) + le(size, 4) + le(nameLength, 2) + le(0, 2) + name + content;
        central += "PK\x01\x02"s + le(20, 2) + le(20, 2) + le(0, 2) + le(0, 2) + le(0, 4) +
                   le(0, 4) + le(size, 4) + le(size, 4) + le(nameLength, 2) + le(0, 2) + le(0, 2) +
                   le(0, 2) + le(0, 2) + le(0, 4) + le(offset, 4) + name;
    }
    const auto count = static_cast<std::uint32_t>(files.size());
    return local + central + "PK\x05\x06"s + le(0, 4) + le(count, 2) + le(count, 2) +
           le(static_cast<std::uint32_t>(central.size()), 4) +
           le(static_cast<std::uint32_t>(local.size()), 4) + le(0, 2);
}

struct RecogniseCase {
    const char* name;
    std::string bytes;
    const char* extension;
    DocumentFormat format;
};

class Recognising : public ::testing::TestWithParam<RecogniseCase> {};

TEST_P(Recognising, GoesByTheBytesBeforeTheName) {
    EXPECT_EQ(DocumentFormats::recognise(GetParam().bytes, GetParam().extension),
              GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Recognising,
    ::testing::Values(
        RecogniseCase{"pdfWithoutExtension", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj", "",
                      DocumentFormat::pdf},
        RecogniseCase{"pdfAfterJunkNamedPdf", "garbage\n%PDF-1.4\n", "pdf", DocumentFormat::pdf},
        RecogniseCase{"textMentioningPdf", "See the %PDF-1.4 header.", "txt",
                      DocumentFormat::plainText},
        RecogniseCase{"rtfNamedDoc", "{\\rtf1\\ansi Hello}", "doc", DocumentFormat::rtf},
        RecogniseCase{"htmlNamedDoc", "\xEF\xBB\xBF\n<!DOCTYPE HTML><html><p>Hi", "doc",
                      DocumentFormat::html},
        RecogniseCase{"xhtmlBehindDeclaration", "<?xml version=\"1.0\"?>\n<html xmlns=\"x\">", "",
                      DocumentFormat::html},
        RecogniseCase{"oleWord", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s + std::string(64, '\0'), "doc",
                      DocumentFormat::legacyWord},
        RecogniseCase{"binaryPlist", "bplist00\xD1\x01\x02"s, "", DocumentFormat::webArchive},
        RecogniseCase{"xmlPlistArchive",
                      "<?xml version=\"1.0\"?><plist><dict><key>WebMainResource</key>",
                      "webarchive", DocumentFormat::webArchive},
        RecogniseCase{"epubByMimeType", zipNaming({"OEBPS/a.xhtml"}, "application/epub+zip"), "zip",
                      DocumentFormat::epub},
        RecogniseCase{"epubByContainer", zipNaming({"META-INF/container.xml", "a.xhtml"}), "",
                      DocumentFormat::epub},
        RecogniseCase{"docxNamedDoc", zipNaming({"[Content_Types].xml", "word/document.xml"}),
                      "doc", DocumentFormat::docx},
        RecogniseCase{"odtByMimeType",
                      zipNaming({"content.xml"}, "application/vnd.oasis.opendocument.text"), "",
                      DocumentFormat::odt},
        RecogniseCase{"spreadsheetIsNoText",
                      zipNaming({"content.xml"}, "application/vnd.oasis.opendocument.spreadsheet"),
                      "odt", DocumentFormat::unsupported},
        RecogniseCase{"damagedArchiveByName", "PK\x03\x04 cut short"s, "docx",
                      DocumentFormat::docx},
        RecogniseCase{"markdownByName", "# Title\n<p>raw</p>", "md", DocumentFormat::markdown},
        RecogniseCase{"htmlByName", "Just <b>bold</b> text", "htm", DocumentFormat::html},
        RecogniseCase{"textWithoutName", "Plain words.", "", DocumentFormat::plainText},
        RecogniseCase{"utf16WithMark", "\xFF\xFEH\0i\0"s, "txt", DocumentFormat::plainText},
        RecogniseCase{"image", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s + std::string(100, 'x'), "txt",
                      DocumentFormat::unsupported}),
    [](const auto& info) { return info.param.name; });

// The desktop entry offers VeloraMac for exactly the types the importer reads.
TEST(DocumentFormats, DesktopEntryListsEveryTypeOfTheTable) {
    std::ifstream entry(VELORA_DESKTOP_ENTRY);
    ASSERT_TRUE(entry.is_open());
    std::set<std::string> listed;
    for (std::string line; std::getline(entry, line);) {
        if (line.starts_with("MimeType=")) {
            std::istringstream types(line.substr(9));
            for (std::string type; std::getline(types, type, ';');) {
                listed.insert(type);
            }
        }
    }
    std::set<std::string> supported;
    for (const DocumentFormatInfo& info : DocumentFormats::all()) {
        for (const std::string_view type : info.mimeTypes) {
            supported.emplace(type);
        }
    }
    EXPECT_EQ(listed, supported);
}

} // namespace
} // namespace velora
