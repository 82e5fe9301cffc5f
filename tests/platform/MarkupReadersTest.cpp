#include "platform/DocxReader.hpp"
#include "platform/HtmlReader.hpp"
#include "platform/OdtReader.hpp"

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
        MarkupCase{"tabsBreaksAndHyphens",
                   wordDocument("<w:p><w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br/><w:t>c</w:t>"
                                "<w:noBreakHyphen/><w:t>d</w:t><w:softHyphen/></w:r></w:p>"),
                   "a\tb\nc\u2011d\n"},
        MarkupCase{"tableCellByCell",
                   wordDocument("<w:tbl><w:tblPr/><w:tr><w:tc><w:p><w:r><w:t>A1</w:t></w:r></w:p>"
                                "</w:tc><w:tc><w:p><w:r><w:t>B1</w:t></w:r></w:p></w:tc></w:tr>"
                                "</w:tbl>"),
                   "A1\nB1\n"},
        MarkupCase{"revisionsAndFields",
                   wordDocument("<w:p><w:del><w:r><w:delText>old</w:delText></w:r></w:del><w:ins>"
                                "<w:r><w:t>new</w:t></w:r></w:ins><w:r><w:instrText> PAGE "
                                "</w:instrText></w:r></w:p>"),
                   "new\n"},
        MarkupCase{"alternateContentOnce",
                   wordDocument("<w:p><mc:AlternateContent><mc:Choice><w:r><w:t>box</w:t></w:r>"
                                "</mc:Choice><mc:Fallback><w:r><w:t>box</w:t></w:r></mc:Fallback>"
                                "</mc:AlternateContent></w:p>"),
                   "box\n"},
        MarkupCase{"entitiesDecoded",
                   wordDocument("<w:p><w:r><w:t>a &amp; &#233;</w:t></w:r></w:p>"), "a & \u00E9\n"},
        MarkupCase{"emptyDocument", wordDocument("<w:p/><w:sectPr/>"), std::nullopt},
        MarkupCase{"notXml", "PK\x03\x04 binary", std::nullopt},
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
    ::testing::Values(
        MarkupCase{"headingParagraphAndList",
                   openDocument("<text:h text:outline-level=\"1\">Title</text:h><text:p>Body "
                                "<text:span>text</text:span></text:p><text:list><text:list-item>"
                                "<text:p>one</text:p></text:list-item><text:list-item><text:p>two"
                                "</text:p></text:list-item></text:list>"),
                   "Title\nBody text\none\ntwo\n"},
        MarkupCase{"spacesTabsBreaks",
                   openDocument("<text:p>a<text:s text:c=\"3\"/>b<text:tab/>c<text:line-break/>"
                                "d<text:s/>e</text:p>"),
                   "a   b\tc\nd e\n"},
        MarkupCase{"sourceWhiteSpaceCollapses",
                   openDocument("<text:p>\n   spread\n   over   lines  </text:p>"),
                   "spread over lines\n"},
        MarkupCase{"notesAndChangesLeftOut",
                   openDocument("<text:tracked-changes><text:changed-region><text:deletion>"
                                "<text:p>gone</text:p></text:deletion></text:changed-region>"
                                "</text:tracked-changes><text:p>kept<text:note><text:note-citation>"
                                "1</text:note-citation><text:note-body><text:p>footnote</text:p>"
                                "</text:note-body></text:note></text:p>"),
                   "kept\n"},
        MarkupCase{"hugeSpaceRunBounded",
                   openDocument("<text:p>a<text:s text:c=\"2000000000\"/>b</text:p>"),
                   "a" + std::string(1000, ' ') + "b\n"},
        MarkupCase{"badSpaceCount", openDocument("<text:p>a<text:s text:c=\"-x\"/>b</text:p>"),
                   "a b\n"},
        MarkupCase{"noParagraphs", openDocument(""), std::nullopt},
        MarkupCase{"truncatedXml", openDocument("<text:p>cut").substr(0, 200), std::nullopt}),
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
        MarkupCase{"everyEntityDecoded", "<p>&copy; &eacute;&#8217;&#x263A; &lt;b&gt; &amp;</p>",
                   "\u00A9 \u00E9\u2019\u263A <b> &\n"},
        MarkupCase{"preformattedKept", "<pre>a   b\n  c</pre>", "a   b\n  c\n"},
        MarkupCase{"tableCells", "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>",
                   "a\tb\t\nc\t\n"},
        MarkupCase{"declaredCharset",
                   "<html><head><meta charset=\"windows-1252\"></head><body>\x93"
                   "Caf\xE9\x94</body>"
                   "</html>",
                   "\u201CCaf\u00E9\u201D"},
        MarkupCase{"httpEquivCharset",
                   "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                   "charset=koi8-r\"></head><body>\xF0\xD2\xC9\xD7\xC5\xD4</body></html>",
                   "\u041F\u0440\u0438\u0432\u0435\u0442"},
        MarkupCase{"undeclaredIsUtf8", "<p>caf\u00E9 \u65E5\u672C</p>", "caf\u00E9 \u65E5\u672C\n"},
        MarkupCase{"unknownCharsetIsUtf8", "<meta charset=\"no-such\"><p>caf\u00E9</p>",
                   "caf\u00E9\n"},
        MarkupCase{"onlyScripts", "<html><body><script>x()</script> </body></html>", std::nullopt},
        MarkupCase{"empty", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(HtmlReader, GivenEncodingOverridesTheDeclaration) {
    EXPECT_EQ(HtmlReader::text("<meta charset=\"utf-8\"><p>Caf\xE9</p>", "ISO-8859-1"),
              "Caf\u00E9\n");
}

} // namespace
} // namespace velora
