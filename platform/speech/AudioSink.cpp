#include "platform/speech/AudioSink.hpp"

namespace velora {

AudioSink::~AudioSink() = default;

} // namespace velora
