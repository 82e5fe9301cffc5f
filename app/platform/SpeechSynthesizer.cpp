#include "app/platform/SpeechSynthesizer.hpp"

namespace velora {

SpeechSynthesizerObserver::~SpeechSynthesizerObserver() = default;
SpeechSynthesizer::~SpeechSynthesizer() = default;

} // namespace velora
