#include "app/ImportService.hpp"

#include "fakes/FakeDocumentReaders.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace velora {
namespace {

class ScratchFile {
public:
    ScratchFile(const std::string& name, const std::string& bytes) {
        std::string folder =
            (std::filesystem::temp_directory_path() / "velora-app-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        folder_ = folder;
        path_ = folder_ / name;
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~ScratchFile() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

struct RouteCase {
    const char* name;
    const char* file;
    const char* reader; // empty: read here as text
};

class ImportRouting : public ::testing::TestWithParam<RouteCase> {};

TEST_P(ImportRouting, ChoosesTheReaderByLowerCasedExtension) {
    auto readers = std::make_shared<FakeDocumentReaders>();
    const ScratchFile file(GetParam().file, "# Plain *text*");
    const auto text = ImportService(readers).importTextNow(file.path());
    const std::string reader = GetParam().reader;
    if (reader.empty()) {
        EXPECT_TRUE(readers->calls().empty());
        EXPECT_EQ(text, "# Plain *text*");
    } else if (reader == "markdown") {
        EXPECT_TRUE(readers->calls().empty());
        EXPECT_EQ(text, "Plain text");
    } else {
        ASSERT_EQ(readers->calls().size(), 1u);
        EXPECT_EQ(readers->calls()[0].reader, reader);
        EXPECT_EQ(text, reader + " " + GetParam().file);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, ImportRouting,
    ::testing::Values(
        RouteCase{"pdf", "Paper.PDF", "pdf"}, RouteCase{"epub", "Book.EPUB", "epub"},
        RouteCase{"md", "Notes.MD", "markdown"},
        RouteCase{"markdown", "notes.markdown", "markdown"},
        RouteCase{"docx", "a.docx", "attributed:docx"}, RouteCase{"doc", "a.Doc", "attributed:doc"},
        RouteCase{"rtf", "a.rtf", "attributed:rtf"}, RouteCase{"rtfd", "a.RTFD", "attributed:rtfd"},
        RouteCase{"odt", "a.odt", "attributed:odt"}, RouteCase{"html", "a.html", "attributed:html"},
        RouteCase{"htm", "a.HTM", "attributed:htm"},
        RouteCase{"webarchive", "a.webarchive", "attributed:webarchive"},
        RouteCase{"noExtension", "README", ""}, RouteCase{"log", "app.log", ""},
        RouteCase{"csv", "table.csv", ""}, RouteCase{"lastDotCounts", "a.md.txt", ""}),
    [](const auto& info) { return info.param.name; });

TEST(ImportService, PlainTextInALegacyEncodingStillGivesText) {
    const ScratchFile file("old.txt", "Caf\xE9 cr\xE8me");
    EXPECT_EQ(ImportService(std::make_shared<FakeDocumentReaders>()).importTextNow(file.path()),
              "Caf\u00E9 cr\u00E8me");
}

TEST(ImportService, EmptyFileIsEmptyTextButMissingFileIsAbsent) {
    const ImportService service(std::make_shared<FakeDocumentReaders>());
    const ScratchFile empty("empty.txt", "");
    EXPECT_EQ(service.importTextNow(empty.path()), "");
    EXPECT_FALSE(service.importTextNow(empty.path().parent_path() / "missing.txt").has_value());
    EXPECT_FALSE(service.importTextNow(empty.path().parent_path() / "missing.md").has_value());
    // A folder is no text file.
    EXPECT_FALSE(service.importTextNow(empty.path().parent_path()).has_value());
}

TEST(ImportService, ReadsOffTheCallersThreadAndAnswersOnIt) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    auto readers = std::make_shared<FakeDocumentReaders>();
    const ImportService service(readers);
    QObject receiver;
    std::optional<ImportService::Result> answer;
    QThread* answeredOn = nullptr;
    QEventLoop loop;
    service.importText("book.epub", &receiver, [&](ImportService::Result text) {
        answer = std::move(text);
        answeredOn = QThread::currentThread();
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, "epub book.epub");
    EXPECT_EQ(answeredOn, QThread::currentThread());
    ASSERT_EQ(readers->calls().size(), 1u);
    EXPECT_NE(readers->calls()[0].thread, std::this_thread::get_id());
}

TEST(ImportService, GoneReceiverIsNeverCalled) {
    int argc = 0;
    QCoreApplication application(argc, nullptr);
    const ImportService service(std::make_shared<FakeDocumentReaders>());
    bool called = false;
    auto receiver = std::make_unique<QObject>();
    service.importText("a.pdf", receiver.get(), [&](ImportService::Result) { called = true; });
    receiver.reset();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(called);
}

TEST(ImportService, OffersTheDocumentTypesToTheOpenPanel) {
    const QStringList& types = ImportService::supportedTypes();
    for (const char* type :
         {"application/pdf", "text/plain", "application/rtf", "text/markdown",
          "application/epub+zip",
          "application/vnd.openxmlformats-officedocument.wordprocessingml.document",
          "application/msword", "application/vnd.oasis.opendocument.text"}) {
        EXPECT_TRUE(types.contains(type)) << type;
    }
    EXPECT_EQ(types.first(), "application/pdf");
    const QStringList filters = ImportService::nameFilters();
    ASSERT_FALSE(filters.isEmpty());
    for (const char* pattern :
         {"*.pdf", "*.txt", "*.md", "*.epub", "*.docx", "*.doc", "*.odt", "*.rtf"}) {
        EXPECT_TRUE(filters.first().contains(pattern)) << pattern;
    }
}

} // namespace
} // namespace velora
