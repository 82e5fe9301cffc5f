#include "app/ImportService.hpp"

#include "fakes/FakeDocumentReaders.hpp"
#include "support/Unprivileged.hpp"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velora {
namespace {

std::string read(DocumentFormat format, const std::string& bytes) {
    return std::to_string(static_cast<int>(format)) + ":" + bytes;
}

class Importing : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path =
            folder_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path path(const std::string& name) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }

    QTemporaryDir folder_;
    std::shared_ptr<FakeDocumentReaders> readers_ = std::make_shared<FakeDocumentReaders>();
    ImportService service_{readers_};
};

struct RouteCase {
    const char* name;
    const char* file;
    std::string bytes;
    ImportResult result;
};

class ImportRouting : public Importing, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(ImportRouting, ReadsWhatTheBytesAreAndSaysWhyNot) {
    EXPECT_EQ(service_.importText(write(GetParam().file, GetParam().bytes)), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportRouting,
    ::testing::Values(RouteCase{"pdfWithoutExtension", "paper", "%PDF-1.4 x",
                                read(DocumentFormat::pdf, "%PDF-1.4 x")},
                      RouteCase{"rtfNamedDoc", "letter.doc", "{\\rtf1 x}",
                                read(DocumentFormat::rtf, "{\\rtf1 x}")},
                      RouteCase{"markdownByName", "Notes.MD", "# Plain *text*", "Plain text"},
                      RouteCase{"textWithoutName", "README", "# Plain *text*", "# Plain *text*"},
                      // The platform's guess names the charset of text that is not UTF-8.
                      RouteCase{"legacyEncoding", "old.txt", "\xF0\xD2\xC9\xD7\xC5\xD4",
                                "\u041F\u0440\u0438\u0432\u0435\u0442"},
                      RouteCase{"empty", "empty.txt", "", ImportFailure::empty},
                      // Nothing to read must not replace the loaded document.
                      RouteCase{"blank", "blank.txt", " \n\t\u3000\n", ImportFailure::noText},
                      RouteCase{"markupOnly", "rule.md", "---\n\n***\n", ImportFailure::noText},
                      RouteCase{"binary", "photo.txt",
                                std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                                ImportFailure::unsupported}),
    [](const auto& info) { return info.param.name; });

TEST_F(Importing, RefusesWhatIsNoRegularFileAtOnce) {
    EXPECT_EQ(service_.importText(path("missing.txt")), ImportFailure::missing);
    EXPECT_EQ(service_.importText(path("")), ImportFailure::folder);
    // A pipe without a writer would block a reader forever.
    for (const char* name : {"book.pdf", "book.doc", "book.epub", "book.txt"}) {
        ASSERT_EQ(::mkfifo(path(name).c_str(), 0600), 0);
        EXPECT_EQ(service_.importText(path(name)), ImportFailure::notRegularFile) << name;
    }
    EXPECT_EQ(service_.importText("/dev/zero"), ImportFailure::notRegularFile);
    EXPECT_TRUE(readers_->calls().empty());
}

TEST_F(Importing, ABundleFolderStandsForTheRichTextInIt) {
    std::filesystem::create_directory(path("Note.rtfd"));
    write("Note.rtfd/TXT.rtf", "{\\rtf1 inside}");
    EXPECT_EQ(service_.importText(path("Note.rtfd")), read(DocumentFormat::rtf, "{\\rtf1 inside}"));
    std::filesystem::create_directory(path("Empty.rtfd"));
    EXPECT_EQ(service_.importText(path("Empty.rtfd")), ImportFailure::damaged);
}

TEST_F(Importing, AFileTheUserMayNotReadSaysSo) {
    if (testing::rerunUnprivileged()) {
        return;
    }
    const auto locked = write("locked.txt", "secret");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_EQ(service_.importText(locked), ImportFailure::permissionDenied);
}

TEST(ImportService, TheOpenDialogOffersEverythingFirstAndEveryFileLast) {
    const QStringList filters = ImportService::nameFilters();
    ASSERT_GE(filters.size(), 3);
    EXPECT_TRUE(filters.front().startsWith(QStringLiteral("All supported documents (")));
    for (const char* pattern : {"*.pdf", "*.epub", "*.docx", "*.doc", "*.odt", "*.rtf", "*.html",
                                "*.webarchive", "*.md", "*.txt"}) {
        EXPECT_TRUE(filters.front().contains(QLatin1String(pattern))) << pattern;
    }
    EXPECT_EQ(filters.back(), QStringLiteral("All files (*)"));
    EXPECT_TRUE(filters.contains(QStringLiteral("PDF documents (*.pdf)")));
}

} // namespace
} // namespace velora
