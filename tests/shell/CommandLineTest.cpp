#include "ProgramRun.hpp"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace velora {
namespace {

namespace fs = std::filesystem;

using ProgramRun::Outcome;
using ProgramRun::readAll;
using ProgramRun::writeAll;

class Veloramac : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "veloramac-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // `arguments` are passed to the shell as written; the folder's paths need no quoting.
    Outcome run(const std::string& arguments, const std::string& input = {}) const {
        return ProgramRun::runProgram(VELORAMAC, arguments, folder_, input);
    }

    fs::path folder_;
};

const std::string sample = "\u2022 Hello, world!\r\n\r\n\u201CStop!\u201D caf\u00E9 \U0001F600 "
                           "\xFF\u2014 e.g\n";
const std::string sampleWords =
    R"({"id":0,"text":"Hello,","orp":2,"punctuation":"minor","isParagraphEnd":false,"ms":300.0})"
    "\n"
    R"({"id":1,"text":"world!","orp":2,"punctuation":"major","isParagraphEnd":true,"ms":600.0})"
    "\n"
    R"({"id":2,"text":"“Stop!”","orp":2,"punctuation":"major","isParagraphEnd":false,"ms":300.0})"
    "\n"
    R"({"id":3,"text":"café","orp":1,"punctuation":"none","isParagraphEnd":false,"ms":200.0})"
    "\n"
    R"({"id":4,"text":"—","orp":0,"punctuation":"minor","isParagraphEnd":false,"ms":300.0})"
    "\n"
    R"({"id":5,"text":"e.g","orp":1,"punctuation":"none","isParagraphEnd":true,"ms":400.0})"
    "\n";

TEST_F(Veloramac, PrintsTheWordsOfAFileOrStandardInputAsJsonLines) {
    const Outcome piped = run("--words -", sample);
    EXPECT_EQ(piped.out, sampleWords);
    EXPECT_EQ(piped.status, 0);
    // A file's bytes go through encoding detection, so the file holds well-formed UTF-8.
    std::string wellFormed = sample;
    wellFormed.erase(wellFormed.find('\xFF'), 1);
    writeAll(folder_ / "sample.txt", wellFormed);
    const Outcome result = run("--words '" + (folder_ / "sample.txt").string() + "'");
    EXPECT_EQ(result.out, sampleWords);
    EXPECT_EQ(result.err, "");
}

// The settings given before the file time the words for that run only; the display time leaves
// out the blank beat, and a long word lists its pieces.
TEST_F(Veloramac, WordsTellTheirTimeUnderTheSettingsGivenForTheRun) {
    const std::string text = "We read incomprehensible words. Then we rest.\n";
    const Outcome timed = run("--words --speed 600 --rhythm --split 10 --blank-beat 20 -", text);
    ASSERT_EQ(timed.status, 0) << timed.err;
    std::istringstream lines(timed.out);
    std::vector<nlohmann::json> words;
    for (std::string line; std::getline(lines, line);) {
        words.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(words.size(), 7U);
    // 100 ms a word at 600 words per minute, the first sentence ending on a pause of 1.5 and one
    // word long enough for 1.3; a fifth of each word's time is blank.
    const double firstSentence = words[0]["ms"].get<double>() + words[1]["ms"].get<double>() +
                                 words[2]["ms"].get<double>() + words[3]["ms"].get<double>();
    EXPECT_NEAR(firstSentence, (100 + 100 + 130 + 150) * 0.8, 0.5);
    EXPECT_GT(words[2]["ms"].get<double>(), words[1]["ms"].get<double>());
    ASSERT_TRUE(words[2].contains("pieces"));
    EXPECT_EQ(words[2]["pieces"].size(), 2U);
    EXPECT_FALSE(words[1].contains("pieces"));

    const Outcome stored = run("--words -", text);
    EXPECT_NE(stored.out.find(
                  R"("text":"We","orp":0,"punctuation":"none","isParagraphEnd":false,"ms":200.0)"),
              std::string::npos)
        << stored.out;
}

struct FailureCase {
    const char* name;
    std::string arguments;
    std::string err;
    int status;
};

class Failures : public Veloramac, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, SayWhatWentWrong) {
    std::string arguments = GetParam().arguments;
    std::string err = GetParam().err;
    for (std::string* text : {&arguments, &err}) {
        if (const auto at = text->find("FOLDER"); at != std::string::npos) {
            text->replace(at, 6, folder_.string());
        }
    }
    const Outcome result = run(arguments);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, err.size()), err);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Failures,
    ::testing::Values(
        FailureCase{"missingFile", "--words FOLDER/absent.txt",
                    "Couldn't read absent.txt: there is no such file\n", 1},
        FailureCase{"unknownOption", "--frobnicate", "Unknown option --frobnicate", 2},
        FailureCase{"missingArgument", "--words", "Wrong arguments for --words", 2},
        FailureCase{"extraArgument", "--version now", "Wrong arguments for --version", 2},
        FailureCase{"speedOutOfRange", "--words --speed 5000 -",
                    "Wrong arguments for --words: --speed takes a whole number from 25 to 1200", 2},
        FailureCase{"splitWithoutLength", "--words --split -",
                    "Wrong arguments for --words: --split takes", 2},
        FailureCase{"unknownSetting", "--words --faster -",
                    "Wrong arguments for --words: unknown setting --faster", 2}),
    [](const auto& info) { return info.param.name; });

// A pipe under a document's name would block a reader that opened it by name forever.
TEST_F(Veloramac, APipeUnderADocumentNameIsRefusedAtOnce) {
    for (const char* name : {"book.pdf", "book.doc", "book.epub", "book.txt"}) {
        ASSERT_EQ(::mkfifo((folder_ / name).c_str(), 0600), 0);
        const Outcome result = run("--extract '" + (folder_ / name).string() + "'");
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.err,
                  "Couldn't read " + std::string(name) + ": it is not a regular file\n");
    }
}

// Wherever it stands, --verbose turns on the logs that say why a step failed.
TEST_F(Veloramac, VerboseLogsWhyAReadFailed) {
    const Outcome result = run("--extract " + (folder_ / "absent.txt").string() + " --verbose");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("veloramac.import: couldn't read"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Couldn't read absent.txt"), std::string::npos) << result.err;
}

// Without arguments `veloramac` is the tray program, so the usage comes with --help.
TEST_F(Veloramac, PrintsUsageAndVersion) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: veloramac", 0), 0U);
    for (const char* option : {"--words FILE", "--extract FILE", "--read-selection"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    // The manual page is made from this text, and a terminal shows it as it is.
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LT(line.size(), 80U) << line;
    }
    EXPECT_EQ(run("--version").out, std::string("veloramac ") + VELORA_VERSION + "\n");
}

} // namespace
} // namespace velora
