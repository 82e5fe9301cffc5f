#include "platform/speech/EspeakSynthesizer.hpp"

#include "app/SpeechService.hpp"
#include "core/TextEngine.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/MemoryAudioSink.hpp"
#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/speech/EspeakVoiceCatalog.hpp"
#include "support/CoreApplication.hpp"
#include "support/SpeechRecorder.hpp"

#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>

namespace velora {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

using Recorder = testsupport::SpeechRecorder;
using testsupport::utteranceOf;
using testsupport::wordRangesOf;

const QString sentence = QStringLiteral("Hello, wörld! Straße 😀 3.14 東京 naïve café, done.");

class EspeakSynthesizerTest : public ::testing::Test {
protected:
    EspeakSynthesizerTest() { synthesizer_.setObserver(&recorder_); }

    void waitForBlockedWriter() {
        for (int i = 0; i < 3000 && !audio_->writerWaiting(); ++i) {
            std::this_thread::sleep_for(1ms);
        }
        ASSERT_TRUE(audio_->writerWaiting());
    }

    std::shared_ptr<fakes::MemoryAudio> audio_ = std::make_shared<fakes::MemoryAudio>();
    Recorder recorder_;
    EspeakSynthesizer synthesizer_{
        [audio = audio_] { return std::make_unique<fakes::MemoryAudioSink>(audio); }};
};

TEST_F(EspeakSynthesizerTest, ReportsEveryWordOfAMultilingualSentenceInOrder) {
    const UtteranceId utterance = synthesizer_.speak(utteranceOf(sentence));
    EXPECT_THAT(recorder_.waitForEnds(1), ElementsAre(Recorder::ended("finished", utterance)));
    EXPECT_EQ(recorder_.words(utterance), wordRangesOf(sentence));
    EXPECT_GT(audio_->size(), 0U);
    EXPECT_FALSE(synthesizer_.isSpeaking());
}

TEST_F(EspeakSynthesizerTest, StopDuringSynthesisEndsWithACancellationAndNoFinish) {
    audio_->hold(0);
    const UtteranceId utterance = synthesizer_.speak(utteranceOf(sentence));
    waitForBlockedWriter();
    // Words are reported as their audio is heard, not as it is rendered.
    EXPECT_LE(recorder_.words(utterance).size(), 1U);
    synthesizer_.stop();
    EXPECT_THAT(recorder_.waitForEnds(1), ElementsAre(Recorder::ended("cancelled", utterance)));
    EXPECT_EQ(audio_->discards, 1);
    EXPECT_LT(recorder_.words(utterance).size(), wordRangesOf(sentence).size());

    audio_->release();
    const UtteranceId next = synthesizer_.speak(utteranceOf("Again."));
    EXPECT_EQ(recorder_.waitForEnds(2).at(1), (Recorder::ended("finished", next)));
}

TEST_F(EspeakSynthesizerTest, ANewUtteranceCancelsTheOneUnderWay) {
    audio_->hold(0);
    const UtteranceId first = synthesizer_.speak(utteranceOf(sentence));
    waitForBlockedWriter();
    const UtteranceId second = synthesizer_.speak(utteranceOf("Second one."));
    recorder_.waitForEnds(1);
    audio_->release();
    EXPECT_THAT(recorder_.waitForEnds(2), ElementsAre(Recorder::ended("cancelled", first),
                                                      Recorder::ended("finished", second)));
    EXPECT_EQ(recorder_.words(second), wordRangesOf("Second one."));
}

struct FailureCase {
    const char* name;
    std::function<void(fakes::MemoryAudio&)> arrange;
    std::optional<QString> voice;
    QString reason;
};

class SpeechFailureTest : public EspeakSynthesizerTest,
                          public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SpeechFailureTest, EndsTheUtteranceWithAFailureReport) {
    GetParam().arrange(*audio_);
    SpeechUtterance utterance = utteranceOf(sentence);
    utterance.voiceIdentifier = GetParam().voice;
    const UtteranceId id = synthesizer_.speak(utterance);
    EXPECT_THAT(recorder_.waitForEnds(1),
                ElementsAre(Recorder::ended("failed", id, GetParam().reason)));
    EXPECT_FALSE(synthesizer_.isSpeaking());
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, SpeechFailureTest,
    ::testing::Values(FailureCase{"NoSoundOutput",
                                  [](fakes::MemoryAudio& audio) { audio.opens = false; },
                                  std::nullopt, EspeakSynthesizer::noSoundOutput},
                      FailureCase{"OutputFailsWhileSpeaking",
                                  [](fakes::MemoryAudio& audio) { audio.failAfter = 5000; },
                                  std::nullopt, EspeakSynthesizer::soundOutputFailed},
                      FailureCase{"OutputStopsPlaying",
                                  [](fakes::MemoryAudio& audio) {
                                      audio.ahead = std::numeric_limits<std::int32_t>::max();
                                      audio.heldAt = 1000;
                                  },
                                  std::nullopt, EspeakSynthesizer::soundOutputFailed},
                      FailureCase{"VoiceDataMissing", [](fakes::MemoryAudio&) {},
                                  QString("mb/mb-en1"), EspeakSynthesizer::voiceUnavailable}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpokenCase {
    const char* name;
    QString text;
    std::int64_t start;
    QString language;
};

// The whole road: the tokenizer's words, the service picks the voice, the engine speaks into
// memory, and the reports come back on the main thread as indexes of the reader's words.
class SpokenWordIndexTest : public ::testing::TestWithParam<SpokenCase> {
protected:
    static void SetUpTestSuite() { testsupport::ensureCoreApplication(); }
};

TEST_P(SpokenWordIndexTest, ReportsTheAbsoluteIndexOfEveryWordFromTheStart) {
    auto audio = std::make_shared<fakes::MemoryAudio>();
    fakes::InMemoryPreferencesStore preferences;
    SpeechService service(std::make_unique<EspeakSynthesizer>(
                              [audio] { return std::make_unique<fakes::MemoryAudioSink>(audio); }),
                          std::make_unique<EspeakVoiceCatalog>(),
                          std::make_unique<Cld2LanguageRecognizer>(), preferences);

    const std::vector<Word> words = TextEngine::tokenize(GetParam().text.toStdString());
    std::vector<std::int64_t> reported;
    bool finished = false;
    const std::int64_t start = GetParam().start;
    QObject::connect(&service, &SpeechService::wordSpoken,
                     [&](qint64 index) { reported.push_back(index); });
    QObject::connect(&service, &SpeechService::finished, [&] { finished = true; });
    service.speak(words, start, 300);
    EXPECT_EQ(service.detectedLanguage(), GetParam().language);
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 30000));

    std::vector<std::int64_t> expected(words.size() - static_cast<std::size_t>(start));
    std::iota(expected.begin(), expected.end(), start);
    EXPECT_EQ(reported, expected);
    EXPECT_FALSE(service.isSpeaking());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpokenWordIndexTest,
    ::testing::Values(SpokenCase{"German",
                                 "Der kleine Hund läuft schnell über die grüne Wiese, und die "
                                 "Kinder lachen laut 😀 im Garten hinter dem alten Haus, während "
                                 "die Sonne langsam untergeht.",
                                 7, "de"},
                      // Written without spaces: the words come from the dictionary.
                      SpokenCase{"Mandarin",
                                 "今天天气很好，我们去公园散步吧。他说这本书非常有意思，"
                                 "你一定要读一读。",
                                 3, "zh"},
                      SpokenCase{"Thai", "วันนี้อากาศดีมากเราไปเดินเล่นที่สวนสาธารณะกันเถอะ", 2, "th"},
                      SpokenCase{"Japanese", "今日は天気がいいので、公園を散歩しましょう。", 2,
                                 "ja"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
