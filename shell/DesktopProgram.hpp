#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velora {

class ImportService;
class HotKeySetting;
class Pasteboard;
class PreferencesStore;
class Scheduler;
class ShellReader;
class StartAtLogin;

// The tray program as `veloramac` starts it: the first process takes the bus name and runs the
// tray; any later one hands its command line to it and exits.
class DesktopProgram {
public:
    // The platform's parts the reader shares with the shell; they outlive the reader.
    struct Platform {
        PreferencesStore& preferences;
        Scheduler& scheduler;
        Pasteboard& pasteboard;
        const ImportService& importer;
        HotKeySetting& shortcut;
        StartAtLogin& startAtLogin;
    };

    using ReaderFactory = std::function<std::unique_ptr<ShellReader>(const Platform&)>;

    // Runs until the tray program quits, or forwards and returns at once. The exit status is 1
    // when a forwarded request failed; its message goes to standard error.
    static int run(int argc, char** argv, const ReaderFactory& makeReader);
};

} // namespace velora
