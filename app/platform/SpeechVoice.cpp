#include "app/platform/SpeechVoice.hpp"

#include <array>
#include <utility>

namespace velora {

namespace {
constexpr std::array<std::pair<VoiceQuality, std::string_view>, 3> names{{
    {VoiceQuality::default_, "default"},
    {VoiceQuality::enhanced, "enhanced"},
    {VoiceQuality::premium, "premium"},
}};
} // namespace

std::string_view toString(VoiceQuality quality) {
    for (const auto& [value, name] : names) {
        if (value == quality) {
            return name;
        }
    }
    return "default";
}

std::optional<VoiceQuality> voiceQualityFromString(std::string_view raw) {
    for (const auto& [value, name] : names) {
        if (name == raw) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace velora
