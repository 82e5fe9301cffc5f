#include "app/DocumentLoader.hpp"

#include "fakes/FakeDocumentReaders.hpp"
#include "fakes/ManualScheduler.hpp"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace velora {
namespace {

class DocumentLoaderQuit : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_app";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    std::filesystem::path writeFile(const char* name) {
        const auto path = std::filesystem::path(folder_.path().toStdString()) / name;
        std::ofstream(path) << "%PDF-1.4";
        return path;
    }

    void waitUntilReading() {
        while (readers_->readsInProgress() == 0) {
            std::this_thread::yield();
        }
    }

    QTemporaryDir folder_;
    fakes::ManualScheduler scheduler_;
    std::shared_ptr<FakeDocumentReaders> readers_ = std::make_shared<FakeDocumentReaders>();
};

// Quitting mid-read must stop the reader before the loader's state is gone, and must not answer
// a caller that is being torn down with it.
TEST_F(DocumentLoaderQuit, CancelsAndJoinsTheReadsStillRunning) {
    readers_->holdReadsUntilCancelled();
    const auto first = writeFile("first.pdf");
    const auto second = writeFile("second.pdf");
    int answers = 0;
    {
        DocumentLoader loader(ImportService(readers_), scheduler_);
        loader.loadFile(first, [&answers](DocumentLoader::Result) { ++answers; });
        waitUntilReading();
        loader.loadFile(second, [&answers](DocumentLoader::Result) { ++answers; });
        while (readers_->calls().size() < 2) {
            std::this_thread::yield();
        }
        answers = 0;
    }
    EXPECT_EQ(readers_->readsInProgress(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 0);
}

} // namespace
} // namespace velora
