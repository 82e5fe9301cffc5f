#include "app/SpeechService.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/speech/DesktopSpeech.hpp"
#include "platform/speech/EspeakEngine.hpp"
#include "platform/speech/EspeakSynthesizer.hpp"
#include "platform/speech/EspeakVoiceCatalog.hpp"
#include "platform/speech/PulseAudioSink.hpp"
#include "support/CoreApplication.hpp"
#include "support/PulseServer.hpp"
#include "support/SpeechDispatcherServer.hpp"
#include "support/SpeechRecorder.hpp"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>

namespace velora {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using Clock = std::chrono::steady_clock;
using Recorder = testsupport::SpeechRecorder;
using testsupport::utteranceOf;

// The null sink plays in real time from the first sample it gets; its clock may be read a little
// late or early by interpolation, and a loaded machine delays the server's thread, never by
// more than this.
constexpr double clockSlackSeconds = 0.1;

const QString longText = QStringLiteral(
    "The library opened early on Saturday, and by noon every table near the windows was taken by "
    "students reading for their examinations, while the rain went on outside all afternoon.");

// A sound output whose every answer about what was heard is checked against the wall clock.
class WatchedSink final : public AudioSink {
public:
    struct Watch {
        std::atomic<int> early = 0;
        std::atomic<std::int64_t> written = 0;
        std::atomic<Clock::rep> firstWrite = 0;
    };

    explicit WatchedSink(std::shared_ptr<Watch> watch) : watch_(std::move(watch)) {}

    bool open(int sampleRate) override {
        sampleRate_ = sampleRate;
        return sink_.open(sampleRate);
    }
    bool write(std::span<const std::int16_t> samples) override {
        Clock::rep unset = 0;
        watch_->firstWrite.compare_exchange_strong(unset, Clock::now().time_since_epoch().count());
        watch_->written += static_cast<std::int64_t>(samples.size());
        return sink_.write(samples);
    }
    bool finish() override { return sink_.finish(); }
    std::optional<std::int64_t> playedSamples() override {
        const std::optional<std::int64_t> played = sink_.playedSamples();
        const double elapsed =
            std::chrono::duration<double>(Clock::now().time_since_epoch() -
                                          Clock::duration(watch_->firstWrite.load()))
                .count();
        if (played && *played > (elapsed + clockSlackSeconds) * sampleRate_) {
            ++watch_->early;
        }
        return played;
    }
    void discard() override { sink_.discard(); }
    void interrupt() override { sink_.interrupt(); }

private:
    std::shared_ptr<Watch> watch_;
    PulseAudioSink sink_;
    int sampleRate_ = 0;
};

std::vector<Word> wordsOf(const QString& text) {
    std::vector<Word> words;
    for (const QString& part : text.split(u' ')) {
        words.push_back(Word{static_cast<std::int64_t>(words.size()), part.toStdString()});
    }
    return words;
}

class PulseSpeechTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureCoreApplication(); }

    // Speaks the long text and waits until its first word is heard.
    UtteranceId speakUntilHeard(SpeechSynthesizer& synthesizer) {
        const UtteranceId id = synthesizer.speak(utteranceOf(longText));
        EXPECT_TRUE(recorder_.waitForWords(id, 1));
        return id;
    }
    static double secondsSince(Clock::time_point start) {
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    testsupport::PulseServer server_;
    Recorder recorder_;
};

TEST_F(PulseSpeechTest, TheSinkClockFollowsRealTimeToTheLastSample) {
    constexpr int rate = 22050;
    PulseAudioSink sink;
    ASSERT_TRUE(sink.open(rate));
    std::vector<std::int16_t> tone(rate / 2);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = static_cast<std::int16_t>((i % 50) * 400);
    }
    const auto start = Clock::now();
    ASSERT_TRUE(sink.write(tone));
    ASSERT_TRUE(sink.finish());

    std::int64_t last = 0;
    while (last < static_cast<std::int64_t>(tone.size()) && secondsSince(start) < 5.0) {
        const std::optional<std::int64_t> played = sink.playedSamples();
        ASSERT_TRUE(played);
        EXPECT_GE(*played, last);
        EXPECT_LE(*played, (secondsSince(start) + clockSlackSeconds) * rate);
        last = *played;
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_GE(last, static_cast<std::int64_t>(tone.size()));
    EXPECT_GE(secondsSince(start), 0.5 - clockSlackSeconds);
}

TEST_F(PulseSpeechTest, EveryWordIsReportedInOrderAndNotBeforeItIsHeard) {
    auto watch = std::make_shared<WatchedSink::Watch>();
    EspeakSynthesizer synthesizer([watch] { return std::make_unique<WatchedSink>(watch); });
    synthesizer.setObserver(&recorder_);
    const QString text = QStringLiteral("Hello, wörld! Straße 😀 3.14 naïve café, done.");

    const UtteranceId id = synthesizer.speak(utteranceOf(text));

    ASSERT_THAT(recorder_.waitForEnds(1), ElementsAre(Recorder::ended("finished", id)));
    EXPECT_EQ(recorder_.words(id), testsupport::wordRangesOf(text));
    EXPECT_EQ(watch->early, 0);
    const double heard =
        static_cast<double>(watch->written) / EspeakEngine::instance().sampleRate();
    const Clock::time_point firstWrite{Clock::duration(watch->firstWrite.load())};
    EXPECT_GE(std::chrono::duration<double>(recorder_.lastEndTime() - firstWrite).count(),
              heard - clockSlackSeconds);
}

TEST_F(PulseSpeechTest, StopSilencesWithinATenthOfASecond) {
    EspeakSynthesizer synthesizer;
    synthesizer.setObserver(&recorder_);
    const UtteranceId id = speakUntilHeard(synthesizer);

    const auto start = Clock::now();
    synthesizer.stop();
    ASSERT_THAT(recorder_.waitForEnds(1), ElementsAre(Recorder::ended("cancelled", id)));
    EXPECT_LT(secondsSince(start), 0.1);
    EXPECT_LT(recorder_.words(id).size(), testsupport::wordRangesOf(longText).size());
}

TEST_F(PulseSpeechTest, AFrozenServerHoldsNeitherAStopNorQuitting) {
    auto synthesizer = std::make_unique<EspeakSynthesizer>();
    synthesizer->setObserver(&recorder_);
    const UtteranceId first = speakUntilHeard(*synthesizer);
    server_.freeze();

    synthesizer->stop();
    EXPECT_EQ(recorder_.waitForEnds(1, 1s).at(0), Recorder::ended("cancelled", first));

    // A server that stops answering fails the next utterance after a bounded wait.
    const UtteranceId second = synthesizer->speak(utteranceOf(longText));
    const auto start = Clock::now();
    EXPECT_EQ(recorder_.waitForEnds(2, 10s).at(1),
              Recorder::ended("failed", second, EspeakSynthesizer::noSoundOutput));
    EXPECT_LT(secondsSince(start),
              2 * std::chrono::duration<double>(PulseAudioSink::answerLimit).count());

    synthesizer->speak(utteranceOf(longText));
    const auto quitting = Clock::now();
    synthesizer.reset();
    EXPECT_LT(secondsSince(quitting), 0.5);
}

TEST_F(PulseSpeechTest, AServerThatFreezesWhileSpeakingFailsTheUtterance) {
    EspeakSynthesizer synthesizer;
    synthesizer.setObserver(&recorder_);
    const UtteranceId id = speakUntilHeard(synthesizer);
    server_.freeze();
    EXPECT_EQ(recorder_.waitForEnds(1, 10s).at(0),
              Recorder::ended("failed", id, EspeakSynthesizer::soundOutputFailed));
}

// The whole road: a server that goes away while speaking is reported by the service, whose
// owner reads on without speech.
TEST_F(PulseSpeechTest, AServerThatGoesAwayFailsTheUtteranceOnTheService) {
    fakes::InMemoryPreferencesStore preferences;
    SpeechService service(std::make_unique<EspeakSynthesizer>(),
                          std::make_unique<EspeakVoiceCatalog>(),
                          std::make_unique<Cld2LanguageRecognizer>(), preferences);
    QSignalSpy failures(&service, &SpeechService::speechFailed);
    std::vector<std::int64_t> reported;
    bool finished = false;
    QObject::connect(&service, &SpeechService::wordSpoken,
                     [&](qint64 index) { reported.push_back(index); });
    QObject::connect(&service, &SpeechService::finished, [&] { finished = true; });
    service.speak(wordsOf(longText), 0, 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reported.empty(); }, 30000));

    server_.kill();
    ASSERT_TRUE(failures.wait(10000));
    EXPECT_EQ(failures.at(0).at(0).toString(), EspeakSynthesizer::soundOutputFailed);
    EXPECT_FALSE(service.isSpeaking());
    EXPECT_FALSE(finished);
}

// The program's own speech loads its engine when first asked; an utterance asked for at once
// waits for it and is heard whole, in a voice of the text's language.
TEST_F(PulseSpeechTest, TheProgramsFirstUtteranceIsHeardWholeInTheTextsLanguage) {
    const testsupport::SpeechDispatcherServer desktopSpeech(server_);
    fakes::InMemoryPreferencesStore preferences;
    const std::unique_ptr<SpeechService> service = makeDesktopSpeechService(preferences);
    const QString german = QStringLiteral(
        "Die Bibliothek öffnete am Samstag früh, und gegen Mittag waren alle Tische am Fenster "
        "von Studenten besetzt, die für ihre Prüfungen lasen.");
    std::vector<std::int64_t> reported;
    QObject::connect(service.get(), &SpeechService::wordSpoken,
                     [&](qint64 index) { reported.push_back(index); });
    QSignalSpy finished(service.get(), &SpeechService::finished);
    QSignalSpy failed(service.get(), &SpeechService::speechFailed);

    service->speak(wordsOf(german), 0, 600);
    EXPECT_TRUE(service->isSpeaking());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty() || !failed.isEmpty(); }, 60000));
    EXPECT_TRUE(failed.isEmpty()) << failed.value(0).value(0).toString().toStdString();
    std::vector<std::int64_t> expected(wordsOf(german).size());
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(service->detectedLanguage(), "de");
    EXPECT_FALSE(service->availableVoices().empty());
}

} // namespace
} // namespace velora
