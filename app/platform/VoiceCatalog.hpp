#pragma once

#include "app/platform/SpeechVoice.hpp"

#include <functional>
#include <vector>

namespace velora {

// The voices installed for the speech synthesizer. Safe to call from the main thread while the
// synthesizer speaks.
class VoiceCatalog {
public:
    virtual ~VoiceCatalog();

    virtual std::vector<SpeechVoice> voices() const = 0;
    virtual std::optional<SpeechVoice> voice(const QString& identifier) const = 0;
    // The synthesizer's own choice for a language code (en, pt-BR), or none when no voice speaks
    // it.
    virtual std::optional<SpeechVoice> voiceForLanguage(const QString& languageCode) const = 0;
    // For catalogs that learn of voices later: called, on any thread, when the list changed.
    virtual void setOnVoicesChanged(std::function<void()> callback);
    // For catalogs read when first needed: false until then. `load` starts reading without
    // waiting, and the callback above tells when the list is there.
    virtual bool isLoaded() const;
    virtual void load();
};

} // namespace velora
