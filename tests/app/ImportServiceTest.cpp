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
    const char* bytes;
    const char* reader; // empty: read here as text
    std::optional<std::string> text;
};

class ImportRouting : public ::testing::TestWithParam<RouteCase> {};

TEST_P(ImportRouting, ChoosesTheReaderByLowerCasedExtension) {
    auto readers = std::make_shared<FakeDocumentReaders>();
    const ScratchFile file(GetParam().file, GetParam().bytes);
    EXPECT_EQ(ImportService(readers).importTextNow(file.path()), GetParam().text);
    const std::string reader = GetParam().reader;
    ASSERT_EQ(readers->calls().size(), reader.empty() ? 0u : 1u);
    if (!reader.empty()) {
        EXPECT_EQ(readers->calls()[0].reader, reader);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, ImportRouting,
    ::testing::Values(RouteCase{"pdf", "Paper.PDF", "%PDF", "pdf", "pdf Paper.PDF"},
                      RouteCase{"md", "Notes.MD", "# Plain *text*", "", "Plain text"},
                      RouteCase{"webarchive", "a.webarchive", "", "attributed:webarchive",
                                "attributed:webarchive a.webarchive"},
                      RouteCase{"noExtension", "README", "# Plain *text*", "", "# Plain *text*"},
                      RouteCase{"legacyEncoding", "old.txt", "Caf\xE9 cr\xE8me", "",
                                "Caf\u00E9 cr\u00E8me"},
                      // Nothing to read must not replace the loaded document.
                      RouteCase{"empty", "empty.txt", "", "", std::nullopt},
                      RouteCase{"blank", "blank.txt", " \n\t\u3000\n", "", std::nullopt},
                      RouteCase{"markupOnly", "rule.md", "---\n\n***\n", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ImportService, MissingFileOrAFolderIsAbsent) {
    const ImportService service(std::make_shared<FakeDocumentReaders>());
    const QTemporaryDir folder;
    EXPECT_FALSE(service.importTextNow((folder.path() + "/missing.txt").toStdString()));
    EXPECT_FALSE(service.importTextNow(folder.path().toStdString()));
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
