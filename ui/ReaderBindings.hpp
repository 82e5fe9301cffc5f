#pragma once

#include <cstdint>

namespace velora {

class ControlBar;
class QuickSettingsView;
class ReaderViewModel;
class SettingsView;

// Connect a view to the controller both ways: it shows the controller's state from now on, and
// its edits become the controller's calls. Each view must not outlive the controller.
void bind(ControlBar& bar, ReaderViewModel& vm);
void bind(QuickSettingsView& card, ReaderViewModel& vm);
void bind(SettingsView& window, ReaderViewModel& vm);

// Play/Pause: pauses while playing, plays otherwise.
void togglePlayback(ReaderViewModel& vm);
// Faster by `by` words a minute, slower when negative, within the speeds the reader allows.
void changeSpeed(ReaderViewModel& vm, std::int64_t by);

} // namespace velora
