#include "shell/ProgramRoute.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct RouteCase {
    const char* name;
    std::vector<std::string> arguments;
    ProgramRoute route;
};

class Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routes, EachRequestReachesTheProgramThatAnswersIt) {
    EXPECT_EQ(routeOf(GetParam().arguments), GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Routes,
    ::testing::Values(
        RouteCase{"None", {}, ProgramRoute::trayProgram},
        RouteCase{"Files", {"book.pdf", "notes.txt"}, ProgramRoute::trayProgram},
        RouteCase{"VerboseRequest", {"--verbose", "--read-clipboard"}, ProgramRoute::trayProgram},
        RouteCase{"Autostart", {"--autostart"}, ProgramRoute::trayProgram},
        RouteCase{"Extract", {"--extract", "book.pdf"}, ProgramRoute::documentText},
        // Logging and standard input are the options program's.
        RouteCase{"ExtractWithLogging",
                  {"--extract", "book.pdf", "--verbose"},
                  ProgramRoute::optionsProgram},
        RouteCase{"StandardInput", {"--extract", "-"}, ProgramRoute::optionsProgram},
        RouteCase{"TwoFiles", {"--extract", "a.pdf", "b.pdf"}, ProgramRoute::optionsProgram},
        RouteCase{"Words", {"--words", "book.pdf"}, ProgramRoute::optionsProgram},
        RouteCase{"Version", {"--version"}, ProgramRoute::optionsProgram}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

} // namespace
} // namespace velora
