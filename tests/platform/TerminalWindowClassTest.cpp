#include "platform/x11/TerminalWindowClass.hpp"

#include <gtest/gtest.h>
#include <string>

namespace velora {
namespace {

struct ClassCase {
    const char* windowClass;
    bool terminal;
};

class TerminalWindowClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(TerminalWindowClassTest, RecognisesTerminalsWhateverTheirCase) {
    EXPECT_EQ(TerminalWindowClass::isTerminal(GetParam().windowClass), GetParam().terminal);
}

INSTANTIATE_TEST_SUITE_P(
    WindowClasses, TerminalWindowClassTest,
    ::testing::Values(ClassCase{"XTerm", true}, ClassCase{"Gnome-terminal", true},
                      ClassCase{"konsole", true}, ClassCase{"URxvt", true},
                      ClassCase{"kitty", true}, ClassCase{"Alacritty", true},
                      ClassCase{"st-256color", true}, ClassCase{"org.gnome.Console", true},
                      ClassCase{"firefox", false}, ClassCase{"Gedit", false},
                      ClassCase{"stellarium", false}, ClassCase{"", false}),
    [](const auto& info) {
        std::string name = info.param.windowClass;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name.empty() ? std::string("Empty") : name;
    });

} // namespace
} // namespace velora
