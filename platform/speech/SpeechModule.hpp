#pragma once

#include "platform/speech/SpeechEngine.hpp"

#include <QObject>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace velora {

// The speech engine, loaded on a thread of its own when speech is first needed: linked in, its
// libraries and voice list slowed every start and stayed in memory for a reader who may never
// listen.
class SpeechModule final : public QObject {
    Q_OBJECT

public:
    using Opener = std::function<std::unique_ptr<SpeechEngine>()>;

    // The module built beside the program, else the installed one; none when neither loads.
    static std::unique_ptr<SpeechEngine> openInstalled();

    explicit SpeechModule(Opener open = &SpeechModule::openInstalled);
    SpeechModule(const SpeechModule&) = delete;
    SpeechModule& operator=(const SpeechModule&) = delete;
    ~SpeechModule() override;

    // Starts loading without waiting, the first time only; `loaded` follows on this thread.
    void load();
    bool isLoaded() const { return loaded_; }
    // None before it is loaded, and when it could not be.
    SpeechEngine* engine() const { return engine_.get(); }

signals:
    void loaded();

private:
    void takeArrival();

    Opener open_;
    std::thread loader_;
    std::mutex mutex_;
    // Handed over from the loading thread; guarded by mutex_.
    std::unique_ptr<SpeechEngine> arrival_;
    std::unique_ptr<SpeechEngine> engine_;
    bool loaded_ = false;
};

} // namespace velora
