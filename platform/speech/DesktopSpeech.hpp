#pragma once

#include "app/SpeechService.hpp"

#include <memory>

namespace velora {

class PreferencesStore;

// The speech service as the program runs it: espeak-ng in-process through the desktop's sound
// output, CLD2 for the language, and the voices of the desktop's speech service beside the
// built-in ones where the session runs it. The engine is a module loaded at the first utterance
// or when the voices are first listed.
std::unique_ptr<SpeechService> makeDesktopSpeechService(PreferencesStore& preferences);

} // namespace velora
