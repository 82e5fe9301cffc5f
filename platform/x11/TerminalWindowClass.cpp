#include "platform/x11/TerminalWindowClass.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace velora {

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

} // namespace

bool TerminalWindowClass::isTerminal(std::string_view windowClass) {
    const std::string name = lowered(windowClass);
    // Most emulators say so in their name (xterm, gnome-terminal, konsole, urxvt, wezterm...);
    // a false match only costs the clipboard fallback in that one program.
    static constexpr std::array<std::string_view, 4> parts = {"term", "rxvt", "konsole", "console"};
    static constexpr std::array<std::string_view, 13> names = {
        "kitty", "alacritty", "st",     "st-256color", "foot",    "footclient",           "guake",
        "tilda", "yakuake",   "sakura", "kgx",         "ghostty", "com.mitchellh.ghostty"};
    return std::ranges::any_of(
               parts,
               [&name](std::string_view part) { return name.find(part) != std::string::npos; }) ||
           std::ranges::find(names, name) != names.end();
}

} // namespace velora
