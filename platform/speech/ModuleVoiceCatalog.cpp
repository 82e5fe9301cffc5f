#include "platform/speech/ModuleVoiceCatalog.hpp"

#include "platform/speech/SpeechModule.hpp"

namespace velora {

ModuleVoiceCatalog::ModuleVoiceCatalog(std::shared_ptr<SpeechModule> module)
    : module_(std::move(module)) {
    arrival_ = QObject::connect(module_.get(), &SpeechModule::loaded, [this] {
        if (VoiceCatalog* catalog = loaded()) {
            catalog->setOnVoicesChanged(onChanged_);
        }
        // Told even when the module failed: whoever waited for the voices goes on without.
        if (onChanged_) {
            onChanged_();
        }
    });
}

ModuleVoiceCatalog::~ModuleVoiceCatalog() {
    QObject::disconnect(arrival_);
    if (VoiceCatalog* catalog = loaded()) {
        catalog->setOnVoicesChanged(nullptr);
    }
}

std::vector<SpeechVoice> ModuleVoiceCatalog::voices() const {
    const VoiceCatalog* catalog = loaded();
    return catalog != nullptr ? catalog->voices() : std::vector<SpeechVoice>{};
}

std::optional<SpeechVoice> ModuleVoiceCatalog::voice(const QString& identifier) const {
    const VoiceCatalog* catalog = loaded();
    return catalog != nullptr ? catalog->voice(identifier) : std::nullopt;
}

std::optional<SpeechVoice> ModuleVoiceCatalog::voiceForLanguage(const QString& languageCode) const {
    const VoiceCatalog* catalog = loaded();
    return catalog != nullptr ? catalog->voiceForLanguage(languageCode) : std::nullopt;
}

void ModuleVoiceCatalog::setOnVoicesChanged(std::function<void()> callback) {
    onChanged_ = std::move(callback);
    if (VoiceCatalog* catalog = loaded()) {
        catalog->setOnVoicesChanged(onChanged_);
    }
}

bool ModuleVoiceCatalog::isLoaded() const {
    return module_->isLoaded();
}

void ModuleVoiceCatalog::load() {
    module_->load();
}

VoiceCatalog* ModuleVoiceCatalog::loaded() const {
    SpeechEngine* engine = module_->engine();
    return engine != nullptr ? engine->voices.get() : nullptr;
}

} // namespace velora
