#pragma once

#include "app/ScheduledTask.hpp"
#include "app/SpeechService.hpp"
#include "app/platform/Scheduler.hpp"
#include "core/ChunkFrames.hpp"
#include "core/Hyphenator.hpp"
#include "core/ReaderEngine.hpp"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velora {

// Moves the engine on while reading plays. One driver runs at a time: either the visual loop,
// which shows each chunk (and each piece of a long word) for its time, or one utterance of the
// speech service, which moves to every word as it is heard. When speech cannot be heard the
// visual loop takes over from the word reached. Main thread only.
class PlaybackLoop final : public QObject {
    Q_OBJECT

public:
    // The reader's rhythm, which the owner replaces with each document; read at every chunk.
    struct Rhythm {
        const std::shared_ptr<const Hyphenator>& hyphenator;
        const std::vector<double>& shares;
    };

    // The engine, the rhythm, the scheduler and the speech service must outlive the loop.
    PlaybackLoop(ReaderEngine& engine, Rhythm rhythm, Scheduler& scheduler, SpeechService& speech,
                 QObject* parent = nullptr);
    ~PlaybackLoop() override;

    // Starts the driver chosen from the engine's position, with the speed ramp from its start.
    void play(bool withSpeech);
    void stop();
    // While running, the other driver takes over from the engine's position.
    void setWithSpeech(bool withSpeech);
    // A run of rate changes (a slider being dragged) restarts speech once, after the last.
    void restartSpeechSoon();

    // While running, a long word's piece or nothing during the blank beat; the engine's chunk
    // otherwise.
    std::span<const Word> shownChunk() const;
    bool showsBlankBeat() const;
    // Why speech could not be heard the last time it was tried; none once a word is heard.
    const std::optional<QString>& speechProblem() const { return speechProblem_; }

signals:
    // The engine moved on, or the part of the chunk on display changed.
    void advanced();
    // The text is read to its end; the owner stops playing.
    void reachedEnd();
    void speechProblemChanged();
    // Speech failed for the first time in a stretch and the visual loop took over.
    void wentOnWithoutSpeech();

private:
    void restartDriver();
    void startVisualLoop();
    double chunkSeconds() const;
    // Shows the first frame of the current chunk, its time running from `start`.
    void beginChunk(double start);
    // Ends the frame on display at `deadline` on the scheduler's clock.
    void scheduleFrameEnd(double deadline);
    void finishFrame(double deadline);
    void finishChunk(double deadline);
    void clearFrames();
    void startSpeech();
    void wordHeard(std::int64_t index);
    void speechFinished();
    void speechFailed(const QString& reason);
    void setSpeechProblem(const std::optional<QString>& problem);

    ReaderEngine& engine_;
    Rhythm rhythm_;
    Scheduler& scheduler_;
    SpeechService& speech_;
    bool running_ = false;
    bool withSpeech_ = false;
    // Chunks shown since play(), for the speed ramp.
    std::int64_t chunksPlayed_ = 0;
    // The frames of the chunk being played and the one on display.
    std::vector<ChunkFrame> frames_;
    std::size_t frame_ = 0;
    std::optional<QString> speechProblem_;
    ScheduledTask loopTask_{scheduler_};
    ScheduledTask speechRestartTask_{scheduler_};
};

} // namespace velora
