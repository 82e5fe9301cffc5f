#pragma once

#include <string_view>

namespace velora {

// Recognises terminal emulators by the X11 WM_CLASS of their windows, where Ctrl+C is not a copy
// but an interrupt of the running job.
class TerminalWindowClass {
public:
    // `windowClass` is either part of WM_CLASS (instance or class name); case does not matter.
    static bool isTerminal(std::string_view windowClass);
};

} // namespace velora
