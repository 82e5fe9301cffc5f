#include "shell/ProgramRoute.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct RouteCase {
    std::vector<std::string> arguments;
    ProgramRoute route;
};

class Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routes, EachRequestReachesTheProgramThatAnswersIt) {
    EXPECT_EQ(routeOf(GetParam().arguments), GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Routes,
    ::testing::Values(RouteCase{{}, ProgramRoute::trayProgram},
                      RouteCase{{"book.pdf", "notes.txt"}, ProgramRoute::trayProgram},
                      RouteCase{{"--verbose", "--read-clipboard"}, ProgramRoute::trayProgram},
                      RouteCase{{"--autostart"}, ProgramRoute::trayProgram},
                      RouteCase{{"--extract", "book.pdf"}, ProgramRoute::documentText},
                      // Logging and standard input are the options program's.
                      RouteCase{{"--extract", "book.pdf", "--verbose"},
                                ProgramRoute::optionsProgram},
                      RouteCase{{"--extract", "-"}, ProgramRoute::optionsProgram},
                      RouteCase{{"--extract", "a.pdf", "b.pdf"}, ProgramRoute::optionsProgram},
                      RouteCase{{"--words", "book.pdf"}, ProgramRoute::optionsProgram},
                      RouteCase{{"--version"}, ProgramRoute::optionsProgram}));

} // namespace
} // namespace velora
