#include "platform/documents/DocxReader.hpp"
#include "platform/documents/HtmlReader.hpp"
#include "platform/documents/OdtReader.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct MarkupCase {
    const char* name;
    std::string markup;
    std::optional<std::string> text;
};

std::string wordDocument(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
           "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
           "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"><w:body>" +
           body + "</w:body></w:document>";
}

class WordXml : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(WordXml, GivesTheDocumentText) {
    EXPECT_EQ(DocxReader::documentText(GetParam().markup), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, WordXml,
    ::testing::Values(
        MarkupCase{
            "paragraphsAndRuns",
            wordDocument("<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/><w:tabs><w:tab "
                         "w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr><w:r><w:t>Title"
                         "</w:t></w:r></w:p><w:p><w:r><w:t xml:space=\"preserve\">Hello "
                         "</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>world</w:t></w:r></w:p>"),
            "Title\nHello world\n"},
        MarkupCase{"revisionsAndFields",
                   wordDocument("<w:p><w:del><w:r><w:delText>old</w:delText></w:r></w:del><w:ins>"
                                "<w:r><w:t>new</w:t></w:r></w:ins><w:r><w:instrText> PAGE "
                                "</w:instrText></w:r></w:p>"),
                   "new\n"},
        MarkupCase{"externalEntityNotLoaded",
                   "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                   "<w:document xmlns:w=\"w\"><w:p><w:r><w:t>&x;</w:t></w:r></w:p></w:document>",
                   std::nullopt}),
    [](const auto& info) { return info.param.name; });

std::string openDocument(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\">"
           "<office:automatic-styles><style:style style:name=\"P1\"/></office:automatic-styles>"
           "<office:body><office:text>" +
           body + "</office:text></office:body></office:document-content>";
}

class OpenDocumentXml : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(OpenDocumentXml, GivesTheDocumentText) {
    EXPECT_EQ(OdtReader::contentText(GetParam().markup), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, OpenDocumentXml,
    ::testing::Values(MarkupCase{"hugeSpaceRunBounded",
                                 openDocument("<text:p>a<text:s text:c=\"2000000000\"/>b</text:p>"),
                                 "a" + std::string(1000, ' ') + "b\n"},
                      MarkupCase{"truncatedXml", openDocument("<text:p>cut").substr(0, 200),
                                 std::nullopt}),
    [](const auto& info) { return info.param.name; });

class HtmlDocument : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(HtmlDocument, GivesTheVisibleText) {
    EXPECT_EQ(HtmlReader::text(GetParam().markup), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, HtmlDocument,
    ::testing::Values(
        MarkupCase{"blocksEndLines",
                   "<html><head><title>Title</title><style>p{}</style></head><body><h1>Head</h1>"
                   "<p>One <b>bold</b>\n  word</p><div>Two</div><ul><li>a</li><li>b</li></ul>"
                   "x<br>y<script>var a = '<p>';</script></body></html>",
                   "Head\nOne bold word\nTwo\na\nb\nx\ny"},
        MarkupCase{"declaredCharset",
                   "<html><head><meta charset=\"windows-1252\"></head><body>\x93"
                   "Caf\xE9\x94</body>"
                   "</html>",
                   "\u201CCaf\u00E9\u201D"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace velora
