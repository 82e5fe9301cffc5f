#include "platform/speech/SpeechDispatcher.hpp"

#include "support/SpeechDispatcherServer.hpp"
#include "support/SpeechRecorder.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using Recorder = testsupport::SpeechRecorder;

TEST(SpeechDispatcherMarks, PutAMarkBeforeEveryWordAndEscapeTheText) {
    const auto marked = SpeechDispatcher::markedText(QStringLiteral("  a<b  &c\n😀 \"x\"  "));
    EXPECT_EQ(marked.ssml, QByteArray("<speak><mark name=\"0\"/>a&lt;b <mark name=\"1\"/>&amp;c "
                                      "<mark name=\"2\"/>😀 <mark name=\"3\"/>&quot;x&quot; "
                                      "</speak>"));
    EXPECT_EQ(marked.words, (std::vector<Utf16Range>{{2, 3}, {7, 2}, {10, 2}, {13, 3}}));
}

class SpeechDispatcherTest : public ::testing::Test {
protected:
    SpeechDispatcherTest() { dispatcher_.setObserver(&recorder_); }

    // The service lists its voices slowly: espeak-ng's module has thousands.
    std::vector<SpeechVoice> waitForVoices() {
        for (int i = 0; i < 1200 && dispatcher_.voices().empty(); ++i) {
            std::this_thread::sleep_for(50ms);
        }
        return dispatcher_.voices();
    }
    std::optional<QString> englishVoice() {
        for (const SpeechVoice& voice : waitForVoices()) {
            if (voice.language.startsWith(QLatin1String("en"))) {
                return voice.identifier;
            }
        }
        return std::nullopt;
    }

    testsupport::PulseServer sound_;
    testsupport::SpeechDispatcherServer service_{sound_};
    Recorder recorder_;
    SpeechDispatcher dispatcher_;
};

TEST_F(SpeechDispatcherTest, ListsItsVoicesUnderTheirModule) {
    const std::vector<SpeechVoice> voices = waitForVoices();
    ASSERT_FALSE(voices.empty());
    for (const SpeechVoice& voice : voices) {
        EXPECT_EQ(voice.module, QString("espeak-ng"));
        EXPECT_TRUE(SpeechDispatcher::isOwnVoice(voice.identifier))
            << voice.identifier.toStdString();
    }
}

TEST_F(SpeechDispatcherTest, ReportsMarkedWordsInOrderAndStopCancels) {
    SpeechUtterance utterance = testsupport::utteranceOf("One small step, then a larger one.");
    utterance.voiceIdentifier = englishVoice();
    ASSERT_TRUE(utterance.voiceIdentifier);

    const UtteranceId first = dispatcher_.speak(utterance);
    ASSERT_THAT(recorder_.waitForEnds(1, 60s), ElementsAre(Recorder::ended("finished", first)));
    EXPECT_EQ(recorder_.words(first), testsupport::wordRangesOf(utterance.text));

    utterance.text = QStringLiteral(
        "The library opened early on Saturday, and by noon every table near the windows was "
        "taken by students reading for their examinations, while the rain went on outside.");
    const UtteranceId second = dispatcher_.speak(utterance);
    ASSERT_TRUE(recorder_.waitForWords(second, 1));
    dispatcher_.stop();
    EXPECT_EQ(recorder_.waitForEnds(2, 30s).at(1), Recorder::ended("cancelled", second));
    EXPECT_LT(recorder_.words(second).size(), testsupport::wordRangesOf(utterance.text).size());
    EXPECT_FALSE(dispatcher_.isSpeaking());
}

TEST_F(SpeechDispatcherTest, AServiceThatGoesAwayFailsTheUtterance) {
    SpeechUtterance utterance = testsupport::utteranceOf(
        "The library opened early on Saturday, and by noon every table near the windows was "
        "taken by students reading for their examinations, while the rain went on outside.");
    utterance.voiceIdentifier = englishVoice();
    const UtteranceId id = dispatcher_.speak(utterance);
    ASSERT_TRUE(recorder_.waitForWords(id, 1));

    service_.kill();
    EXPECT_EQ(recorder_.waitForEnds(1, 30s).at(0),
              Recorder::ended("failed", id, SpeechDispatcher::serviceUnavailable));
    EXPECT_FALSE(dispatcher_.isSpeaking());
}

} // namespace
} // namespace velora
