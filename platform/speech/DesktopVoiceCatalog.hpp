#pragma once

#include "app/platform/VoiceCatalog.hpp"

#include <memory>

namespace velora {

class SpeechDispatcher;

// The built-in voices, then those of the desktop's speech service once it has answered. A
// language's own voice is always a built-in one, which needs no service.
class DesktopVoiceCatalog final : public VoiceCatalog {
public:
    DesktopVoiceCatalog(std::unique_ptr<VoiceCatalog> builtIn,
                        std::shared_ptr<SpeechDispatcher> desktop);
    ~DesktopVoiceCatalog() override;

    std::vector<SpeechVoice> voices() const override;
    std::optional<SpeechVoice> voice(const QString& identifier) const override;
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const override;
    void setOnVoicesChanged(std::function<void()> callback) override;

private:
    std::unique_ptr<VoiceCatalog> builtIn_;
    std::shared_ptr<SpeechDispatcher> desktop_;
};

} // namespace velora
