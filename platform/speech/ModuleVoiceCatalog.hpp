#pragma once

#include "app/platform/VoiceCatalog.hpp"

#include <QMetaObject>
#include <memory>

namespace velora {

class SpeechModule;

// The speech module's voices: none until it is loaded, which `load` starts.
class ModuleVoiceCatalog final : public VoiceCatalog {
public:
    explicit ModuleVoiceCatalog(std::shared_ptr<SpeechModule> module);
    ModuleVoiceCatalog(const ModuleVoiceCatalog&) = delete;
    ModuleVoiceCatalog& operator=(const ModuleVoiceCatalog&) = delete;
    ~ModuleVoiceCatalog() override;

    std::vector<SpeechVoice> voices() const override;
    std::optional<SpeechVoice> voice(const QString& identifier) const override;
    std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const override;
    void setOnVoicesChanged(std::function<void()> callback) override;
    bool isLoaded() const override;
    void load() override;

private:
    VoiceCatalog* loaded() const;

    std::shared_ptr<SpeechModule> module_;
    std::function<void()> onChanged_;
    QMetaObject::Connection arrival_;
};

} // namespace velora
