#include "platform/AudioSink.hpp"

namespace velora {

AudioSink::~AudioSink() = default;

} // namespace velora
