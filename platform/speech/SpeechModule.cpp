#include "platform/speech/SpeechModule.hpp"

#include "app/LogCategories.hpp"

#include <dlfcn.h>

namespace velora {

std::unique_ptr<SpeechEngine> SpeechModule::openInstalled() {
    // The build's own module first, so that a build never runs an installed one.
    for (const char* path : {VELORA_SPEECH_MODULE_BUILT, VELORA_SPEECH_MODULE_INSTALLED}) {
        // Kept loaded: the engine's threads and static data must outlive every caller.
        if (void* module = ::dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
            const auto open =
                reinterpret_cast<OpenSpeechEngine>(::dlsym(module, openSpeechEngineSymbol));
            return std::unique_ptr<SpeechEngine>(open != nullptr ? open() : nullptr);
        }
    }
    qCWarning(lcSpeech, "speech is not available: %s", ::dlerror());
    return nullptr;
}

SpeechModule::SpeechModule(Opener open) : open_(std::move(open)) {}

SpeechModule::~SpeechModule() {
    if (loader_.joinable()) {
        loader_.join();
    }
}

void SpeechModule::load() {
    if (loader_.joinable()) {
        return;
    }
    loader_ = std::thread([this] {
        std::unique_ptr<SpeechEngine> engine = open_();
        {
            std::lock_guard lock(mutex_);
            arrival_ = std::move(engine);
        }
        // Dropped by Qt if this object is gone; the destructor waits for this thread first.
        QMetaObject::invokeMethod(this, &SpeechModule::takeArrival, Qt::QueuedConnection);
    });
}

void SpeechModule::takeArrival() {
    {
        std::lock_guard lock(mutex_);
        engine_ = std::move(arrival_);
    }
    loaded_ = true;
    emit loaded();
}

} // namespace velora
