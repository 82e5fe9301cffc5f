#pragma once

// Declared only: `veloramac` itself, which links no Qt, reads the names below.
class QString;

// The program users and the desktop start, `veloramac`: it runs the tray program for the
// requests that need a display. Autostart entries and shortcuts name it, not the tray program.
namespace velora::ProgramCommand {

// Autostart entries start it with this: in the tray, without the panel.
inline constexpr const char* startedAtLoginOption = "--autostart";

// `veloramac` sets it to its own path for the tray program it runs.
inline constexpr const char* variable = "VELORAMAC_PROGRAM";

// That path; the running program's own when unset or not an executable file.
QString path();

} // namespace velora::ProgramCommand
