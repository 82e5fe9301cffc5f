#include "platform/speech/DesktopVoiceCatalog.hpp"

#include "platform/speech/SpeechDispatcher.hpp"

namespace velora {

DesktopVoiceCatalog::DesktopVoiceCatalog(std::unique_ptr<VoiceCatalog> builtIn,
                                         std::shared_ptr<SpeechDispatcher> desktop)
    : builtIn_(std::move(builtIn)), desktop_(std::move(desktop)) {}

DesktopVoiceCatalog::~DesktopVoiceCatalog() {
    desktop_->setOnVoicesChanged(nullptr);
}

std::vector<SpeechVoice> DesktopVoiceCatalog::voices() const {
    std::vector<SpeechVoice> all = builtIn_->voices();
    std::vector<SpeechVoice> desktop = desktop_->voices();
    all.insert(all.end(), std::make_move_iterator(desktop.begin()),
               std::make_move_iterator(desktop.end()));
    return all;
}

std::optional<SpeechVoice> DesktopVoiceCatalog::voice(const QString& identifier) const {
    if (!SpeechDispatcher::isOwnVoice(identifier)) {
        return builtIn_->voice(identifier);
    }
    for (SpeechVoice& each : desktop_->voices()) {
        if (each.identifier == identifier) {
            return std::move(each);
        }
    }
    return std::nullopt;
}

std::optional<SpeechVoice>
DesktopVoiceCatalog::voiceForLanguage(const QString& languageCode) const {
    return builtIn_->voiceForLanguage(languageCode);
}

void DesktopVoiceCatalog::setOnVoicesChanged(std::function<void()> callback) {
    desktop_->setOnVoicesChanged(std::move(callback));
}

} // namespace velora
