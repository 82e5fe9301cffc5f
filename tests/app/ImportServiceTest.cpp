#include "app/ImportService.hpp"

#include "fakes/FakeDocumentReaders.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace velora {
namespace {

// A file of the given name and bytes in a folder of its own, removed with it.
class ScratchFile {
public:
    ScratchFile(const QString& name, const std::string& bytes)
        : path_((folder_.path() + "/" + name).toStdString()) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    const std::filesystem::path& path() const { return path_; }

private:
    QTemporaryDir folder_;
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
    ::testing::Values(RouteCase{"pdf", "Paper.PDF", "pdf"}, RouteCase{"md", "Notes.MD", "markdown"},
                      RouteCase{"webarchive", "a.webarchive", "attributed:webarchive"},
                      RouteCase{"noExtension", "README", ""}),
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

} // namespace
} // namespace velora
