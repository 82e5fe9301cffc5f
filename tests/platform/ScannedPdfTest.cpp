#include "DocumentFixtures.hpp"
#include "app/DocumentLoader.hpp"
#include "platform/desktop/TimerScheduler.hpp"
#include "platform/documents/LinuxDocumentReaders.hpp"
#include "platform/documents/PageRecognizer.hpp"
#include "platform/documents/PdfReader.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace velora {
namespace {

const std::string letter =
    "Dear neighbours, the garden behind the library will open again on Saturday morning. "
    "Please bring gloves, a spade and something to drink. We will plant roses along the "
    "northern wall, repair the wooden bench near the pond, and paint the old gate green. "
    "Children are welcome to help with the seeds. Lunch is served at noon under the large "
    "oak tree. Thank you for keeping our street beautiful.";

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string word; stream >> word;) {
        word.erase(std::remove_if(word.begin(), word.end(),
                                  [](unsigned char c) { return std::ispunct(c) != 0; }),
                   word.end());
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!word.empty()) {
            result.push_back(word);
        }
    }
    return result;
}

// The share of the expected words found in the text read, each counted as often as it occurs.
double wordsRight(const std::string& expected, const std::string& read) {
    std::map<std::string, int> found;
    for (const std::string& word : words(read)) {
        ++found[word];
    }
    const std::vector<std::string> wanted = words(expected);
    const auto right = std::count_if(wanted.begin(), wanted.end(),
                                     [&](const std::string& word) { return found[word]-- > 0; });
    return static_cast<double>(right) / static_cast<double>(wanted.size());
}

class ScannedPdf : public ::testing::Test {
protected:
    std::string write(const std::vector<std::string>& pages, const std::vector<bool>& scanned) {
        const auto file = scratch_ / "scan.pdf";
        fixtures::writeScannedPdf(file, pages, scanned);
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fixtures::ScratchFolder scratch_;
};

TEST_F(ScannedPdf, ReadsTheWordsOfAScannedPage) {
    const ImportResult result =
        PdfReader::text(write({letter}, {true}), PageRecognizer::openForDesktop);
    ASSERT_TRUE(result.ok()) << static_cast<int>(result.failure());
    EXPECT_TRUE(result.isRecognised());
    EXPECT_GE(wordsRight(letter, result.text()), 0.95) << result.text();
}

TEST_F(ScannedPdf, ReadsTextAndScannedPagesInTheirOrder) {
    const std::vector<std::string> pages = {"Alpha opens the text layer.",
                                            "Bravo is scanned as an image.",
                                            "Charlie closes the text layer."};
    std::vector<int> reported;
    const ReadingMonitor monitor{nullptr, [&](int page, int count) {
                                     reported.push_back(page);
                                     EXPECT_EQ(count, 3);
                                 }};
    const ImportResult result = PdfReader::text(write(pages, {false, true, false}),
                                                PageRecognizer::openForDesktop, &monitor);
    ASSERT_TRUE(result.ok());
    EXPECT_THAT(words(result.text()), ::testing::IsSupersetOf({"alpha", "bravo", "charlie"}));
    const std::string& text = result.text();
    EXPECT_LT(text.find("Alpha"), text.find("Bravo"));
    EXPECT_LT(text.find("Bravo"), text.find("Charlie"));
    EXPECT_EQ(reported, std::vector<int>{2});
}

TEST_F(ScannedPdf, CancellingStopsWithinThePageBeingRead) {
    std::atomic<bool> cancelled{false};
    std::vector<int> started;
    const ReadingMonitor monitor{&cancelled, [&](int page, int) {
                                     started.push_back(page);
                                     cancelled = true;
                                 }};
    const ImportResult result = PdfReader::text(write({letter, letter, letter}, {true, true, true}),
                                                PageRecognizer::openForDesktop, &monitor);
    EXPECT_EQ(result, ImportFailure::cancelled);
    EXPECT_EQ(started, std::vector<int>{1});
}

TEST_F(ScannedPdf, WithoutLanguageDataNamesThePackageAndStillReadsTextPages) {
    const std::string scanOnly = write({letter}, {true});
    const std::string mixed = write({"Typed words here.", letter}, {false, true});
    const char* before = std::getenv("TESSDATA_PREFIX");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("TESSDATA_PREFIX", (scratch_ / "empty").c_str(), 1);
    const ImportResult none = PdfReader::text(scanOnly, PageRecognizer::openForDesktop);
    const ImportResult typed = PdfReader::text(mixed, PageRecognizer::openForDesktop);
    before != nullptr ? ::setenv("TESSDATA_PREFIX", saved.c_str(), 1)
                      : ::unsetenv("TESSDATA_PREFIX");

    EXPECT_EQ(none, ImportFailure::recognitionDataMissing);
    EXPECT_THAT(std::string(reason(ImportFailure::recognitionDataMissing)),
                ::testing::HasSubstr("tesseract-ocr-eng"));
    ASSERT_TRUE(typed.ok());
    EXPECT_THAT(typed.text(), ::testing::StartsWith("Typed words here."));
}

// The reader's thread does the recognition: the event loop goes on turning meanwhile, and the
// pages are reported on the main thread as they start.
TEST_F(ScannedPdf, TheEventLoopKeepsTurningWhilePagesAreRecognised) {
    const auto file = scratch_ / "two pages.pdf";
    // Written first: the writer needs a GUI application of its own.
    fixtures::writeScannedPdf(file, {letter, letter}, {true, true});
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "test_platform";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
    TimerScheduler scheduler;
    DocumentLoader loader(ImportService(std::make_shared<LinuxDocumentReaders>()), scheduler);
    std::vector<int> pages;
    QObject::connect(&loader, &DocumentLoader::recognisingPage,
                     [&pages](int page, int) { pages.push_back(page); });
    QEventLoop loop;
    int turns = 0;
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&turns] { ++turns; });
    turn.start(0);
    std::optional<DocumentLoader::Result> result;
    loader.loadFile(file, [&](DocumentLoader::Result answer) {
        result = std::move(answer);
        loop.quit();
    });
    loop.exec();

    ASSERT_TRUE(result.has_value());
    const auto* document = std::get_if<PreparedDocument>(&*result);
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->recognisedFrom.has_value());
    EXPECT_EQ(pages, (std::vector<int>{1, 2}));
    // Two pages of recognition take far longer than a hundred idle turns of a free loop.
    EXPECT_GT(turns, 100);
}

struct LanguageCase {
    std::vector<std::string> installed;
    std::string locale;
    std::optional<std::string> chosen;
};

class RecognitionLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(RecognitionLanguage, DesktopLanguageFirstThenEnglish) {
    EXPECT_EQ(PageRecognizer::bestLanguage(GetParam().installed, GetParam().locale),
              GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, RecognitionLanguage,
    ::testing::Values(LanguageCase{{"eng", "deu"}, "de_DE", "deu"},
                      LanguageCase{{"eng", "fra"}, "de_AT", "eng"},
                      LanguageCase{{"deu"}, "en_US", std::nullopt},
                      LanguageCase{{"eng", "chi_sim", "chi_tra"}, "zh_TW", "chi_tra"},
                      LanguageCase{{"eng", "chi_sim", "chi_tra"}, "zh_CN", "chi_sim"},
                      LanguageCase{{"eng", "por"}, "pt_BR", "por"},
                      LanguageCase{{"eng", "osd"}, "C", "eng"},
                      LanguageCase{{}, "C", std::nullopt}));

TEST(RecognitionData, TheInstalledEnglishDataIsFound) {
    EXPECT_THAT(PageRecognizer::installedLanguages(PageRecognizer::dataFolder()),
                ::testing::Contains("eng"));
}

} // namespace
} // namespace velora
