#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velora {

// How natural a voice sounds; the order of the cases is the order of preference.
enum class VoiceQuality : std::uint8_t { default_, enhanced, premium };

std::string_view toString(VoiceQuality quality);
std::optional<VoiceQuality> voiceQualityFromString(std::string_view raw);

// One installed voice of the speech synthesizer.
struct SpeechVoice {
    QString identifier;
    QString name;
    // BCP-47, such as en-US or tr.
    QString language;
    VoiceQuality quality = VoiceQuality::default_;
    // The desktop speech service's module that speaks it; empty for the built-in voices.
    QString module = {};

    bool operator==(const SpeechVoice&) const = default;
};

} // namespace velora
