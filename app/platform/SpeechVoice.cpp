#include "app/platform/SpeechVoice.hpp"

#include "core/EnumTable.hpp"

#include <array>

namespace velora {

namespace {

struct VoiceQualityNames {
    VoiceQuality value;
    std::string_view raw;
};

constexpr std::array<VoiceQualityNames, 3> voiceQualityNames{{
    {VoiceQuality::default_, "default"},
    {VoiceQuality::enhanced, "enhanced"},
    {VoiceQuality::premium, "premium"},
}};

} // namespace

std::string_view toString(VoiceQuality quality) {
    return EnumTable::row(voiceQualityNames, quality).raw;
}

std::optional<VoiceQuality> voiceQualityFromString(std::string_view raw) {
    return EnumTable::fromRaw(voiceQualityNames, raw);
}

} // namespace velora
