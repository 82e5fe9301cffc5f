#include "DocumentFixtures.hpp"
#include "ProgramRun.hpp"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velora {
namespace {

namespace fs = std::filesystem;
using ProgramRun::Outcome;
using ProgramRun::runProgram;

const std::string prose =
    "A paragraph long enough to wrap over several lines of the page, so that the breaks which "
    "only wrap are joined again, and a hyphen that splits a word across two lines goes with "
    "them. It ends here.";

struct Document {
    const char* name;
    std::function<void(const fs::path&)> write;
};

class PdfDocuments : public ::testing::TestWithParam<Document> {
protected:
    fixtures::ScratchFolder scratch_;
};

// `veloramac` reads a PDF itself, or hands it on when it cannot; either way it prints and ends as
// the options program, which takes the importer's road, does.
TEST_P(PdfDocuments, ThePdfTextIsTheImportersToTheByte) {
    const fs::path file = scratch_ / "document.pdf";
    GetParam().write(file);
    const std::string arguments = "--extract '" + file.string() + "'";
    const Outcome front = runProgram(VELORAMAC, arguments, scratch_.path());
    const Outcome options = runProgram(VELORAMAC_OPTIONS, arguments, scratch_.path());
    EXPECT_EQ(front.out, options.out);
    EXPECT_EQ(front.err, options.err);
    EXPECT_EQ(front.status, options.status);
}

INSTANTIATE_TEST_SUITE_P(
    Pdfs, PdfDocuments,
    ::testing::Values(
        Document{"WrappedProse",
                 [](const fs::path& file) {
                     fixtures::writePdf(file, {prose, "Second page.\n\n  An indented line."});
                 }},
        Document{"BlankPageBetween",
                 [](const fs::path& file) {
                     fixtures::writePdf(file, {"One.", "", "Three."});
                 }},
        // Recognition needs the options program's language choice.
        Document{"ScannedPage",
                 [](const fs::path& file) {
                     fixtures::writeScannedPdf(file, {"Typed words here.", "Scanned words there."},
                                               {false, true});
                 }},
        Document{"Damaged",
                 [](const fs::path& file) { fixtures::writeFile(file, "%PDF-1.7\nno objects"); }},
        Document{"Locked",
                 [](const fs::path& file) { fixtures::writeLockedPdf(file, {"Secret."}, "pw"); }},
        Document{"NotAPdf",
                 [](const fs::path& file) { fixtures::writeFile(file, "Plain words.\n"); }}),
    [](const ::testing::TestParamInfo<Document>& info) { return info.param.name; });

// What keeps its memory near the PDF library's own: no Qt is loaded, and no other program is run.
TEST(Front, ReadsAPdfWithNoQtAndNoOtherProgram) {
    const std::unique_ptr<FILE, int (*)(FILE*)> needed(
        ::popen(("readelf --dynamic '" + std::string(VELORAMAC) + "'").c_str(), "r"), ::pclose);
    ASSERT_NE(needed, nullptr);
    std::string dynamic;
    for (int c = 0; (c = std::fgetc(needed.get())) != EOF;) {
        dynamic += static_cast<char>(c);
    }
    ASSERT_NE(dynamic.find("NEEDED"), std::string::npos);
    EXPECT_EQ(dynamic.find("libQt"), std::string::npos) << dynamic;

    const fixtures::ScratchFolder scratch;
    const fs::path alone = scratch / "veloramac";
    fs::copy_file(VELORAMAC, alone);
    fixtures::writePdf(scratch / "book.pdf", {"Read without help."});
    const Outcome read = runProgram(
        alone.string(), "--extract '" + (scratch / "book.pdf").string() + "'", scratch.path());
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, "Read without help.\n");
}

} // namespace
} // namespace velora
