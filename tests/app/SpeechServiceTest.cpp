#include "app/SpeechService.hpp"

#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<Word> wordsOf(std::initializer_list<const char*> texts) {
    std::vector<Word> words;
    for (const char* text : texts) {
        Word word;
        word.id = static_cast<std::int64_t>(words.size());
        word.text = text;
        words.push_back(word);
    }
    return words;
}

SpeechVoice voiceOf(const QString& language, const QString& name, VoiceQuality quality) {
    return {language + "." + name, name, language, quality};
}

const QString englishText = QStringLiteral("Hello wörld 😀");

class SpeechServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_app";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    void TearDown() override { service_.reset(); }

    SpeechService& service(std::vector<SpeechVoice> voices = {},
                           std::map<QString, SpeechVoice> byLanguage = {},
                           std::map<QString, QString> languages = {{englishText, "en"}}) {
        auto synthesizer = std::make_unique<fakes::ScriptedSpeechSynthesizer>(log_);
        synthesizer_ = synthesizer.get();
        auto recognizer = std::make_unique<fakes::TableLanguageRecognizer>(std::move(languages));
        recognizer_ = recognizer.get();
        service_ = std::make_unique<SpeechService>(
            std::move(synthesizer),
            std::make_unique<fakes::FixedVoiceCatalog>(std::move(voices), std::move(byLanguage)),
            std::move(recognizer), preferences_);
        return *service_;
    }

    // Speaks the three words of englishText and records what the service reports back.
    UtteranceId speakHello(std::int64_t startIndex = 0) {
        service_->speak(
            wordsOf({"Hello", "wörld", "😀"}), startIndex, 175,
            [this](std::int64_t index) { reported_.push_back(index); }, [this] { ++finishes_; });
        return log_.spoken.empty() ? 0 : log_.spoken.back().first;
    }

    static void deliverReports() { QCoreApplication::sendPostedEvents(); }

    fakes::InMemoryPreferencesStore preferences_;
    fakes::ScriptedSpeechSynthesizer::Log log_;
    fakes::ScriptedSpeechSynthesizer* synthesizer_ = nullptr;
    fakes::TableLanguageRecognizer* recognizer_ = nullptr;
    std::unique_ptr<SpeechService> service_;
    std::vector<std::int64_t> reported_;
    int finishes_ = 0;
};

struct RangesCase {
    std::vector<Word> words;
    QString text;
    std::vector<Utf16Range> ranges;
};

class BuildRangesTest : public ::testing::TestWithParam<RangesCase> {};

TEST_P(BuildRangesTest, JoinsWordsBySpacesAndCountsUtf16Units) {
    const auto spoken = SpeechService::buildUTF16Ranges(GetParam().words);
    EXPECT_EQ(spoken.text, GetParam().text);
    EXPECT_EQ(spoken.ranges, GetParam().ranges);
}

INSTANTIATE_TEST_SUITE_P(Words, BuildRangesTest,
                         ::testing::Values(RangesCase{wordsOf({"Hello", "wörld", "😀"}),
                                                      englishText,
                                                      {{0, 5}, {6, 5}, {12, 2}}},
                                           RangesCase{wordsOf({"e\u0301te\u0301,", "東京"}),
                                                      "e\u0301te\u0301, 東京",
                                                      {{0, 6}, {7, 2}}},
                                           RangesCase{wordsOf({"one"}), "one", {{0, 3}}},
                                           RangesCase{{}, "", {}}));

struct LocationCase {
    std::int64_t startIndex;
    qsizetype location;
    std::optional<std::int64_t> index;
};

class WordLocationTest : public SpeechServiceTest,
                         public ::testing::WithParamInterface<LocationCase> {};

TEST_P(WordLocationTest, MapsReportedLocationsToAbsoluteWordIndexes) {
    service();
    const UtteranceId utterance = speakHello(GetParam().startIndex);
    synthesizer_->reportWord(utterance, {GetParam().location, 1});
    deliverReports();
    if (GetParam().index) {
        EXPECT_THAT(reported_, ElementsAre(*GetParam().index));
    } else {
        EXPECT_THAT(reported_, IsEmpty());
    }
}

// From index 1 the utterance is "wörld 😀": ranges (0, 5) and (6, 2).
INSTANTIATE_TEST_SUITE_P(Locations, WordLocationTest,
                         ::testing::Values(LocationCase{0, 0, 0}, LocationCase{0, 3, 0},
                                           LocationCase{0, 5, 1}, LocationCase{0, 10, 1},
                                           LocationCase{0, 11, 2}, LocationCase{0, 13, 2},
                                           LocationCase{0, 14, std::nullopt}, LocationCase{1, 3, 1},
                                           LocationCase{1, 5, 2},
                                           LocationCase{1, 8, std::nullopt}));

class NothingToSpeakTest : public SpeechServiceTest,
                           public ::testing::WithParamInterface<std::int64_t> {};

TEST_P(NothingToSpeakTest, FinishesAtOnceAndKeepsNoCallback) {
    service();
    speakHello(GetParam());
    EXPECT_EQ(finishes_, 1);
    EXPECT_THAT(log_.spoken, IsEmpty());
    EXPECT_FALSE(service_->isSpeaking());

    synthesizer_->reportWord(1, {0, 5});
    synthesizer_->reportFinish(1);
    deliverReports();
    EXPECT_THAT(reported_, IsEmpty());
    EXPECT_EQ(finishes_, 1);
}

INSTANTIATE_TEST_SUITE_P(StartIndexes, NothingToSpeakTest, ::testing::Values(3, 4, -1));

struct VoiceChoiceCase {
    std::vector<SpeechVoice> installed;
    std::map<QString, SpeechVoice> byLanguage;
    std::optional<QString> expected;
};

class AutomaticVoiceTest : public SpeechServiceTest,
                           public ::testing::WithParamInterface<VoiceChoiceCase> {};

TEST_P(AutomaticVoiceTest, PicksTheFirstVoiceOfHighestQualityForTheLanguage) {
    service(GetParam().installed, GetParam().byLanguage);
    speakHello();
    ASSERT_EQ(log_.spoken.size(), 1U);
    EXPECT_EQ(log_.spoken[0].second.voiceIdentifier, GetParam().expected);
    EXPECT_EQ(service_->detectedLanguage(), QString("en"));
}

const SpeechVoice platformEnglish{"platform.en", "Platform", "en", VoiceQuality::default_};

INSTANTIATE_TEST_SUITE_P(
    Voices, AutomaticVoiceTest,
    ::testing::Values(VoiceChoiceCase{{voiceOf("en-US", "Zoe", VoiceQuality::premium),
                                       voiceOf("en-GB", "Dan", VoiceQuality::default_),
                                       voiceOf("en-AU", "Lee", VoiceQuality::enhanced)},
                                      {},
                                      "en-US.Zoe"},
                      VoiceChoiceCase{{voiceOf("en-US", "Zoe", VoiceQuality::enhanced),
                                       voiceOf("en-GB", "Dan", VoiceQuality::default_),
                                       voiceOf("en-AU", "Lee", VoiceQuality::enhanced)},
                                      {},
                                      "en-AU.Lee"},
                      VoiceChoiceCase{{voiceOf("EN-us", "Ann", VoiceQuality::default_),
                                       voiceOf("de-DE", "Max", VoiceQuality::premium)},
                                      {},
                                      "EN-us.Ann"},
                      VoiceChoiceCase{{voiceOf("de-DE", "Max", VoiceQuality::premium)},
                                      {{"en", platformEnglish}},
                                      "platform.en"},
                      VoiceChoiceCase{
                          {voiceOf("de-DE", "Max", VoiceQuality::premium)}, {}, std::nullopt}));

TEST_F(SpeechServiceTest, ListsVoicesByLanguageThenNameInUnicodeOrder) {
    service({voiceOf("en-US", "Zoe", VoiceQuality::default_),
             voiceOf("de-DE", "Max", VoiceQuality::default_),
             voiceOf("en-US", "Ärger", VoiceQuality::default_),
             voiceOf("en-GB", "Dan", VoiceQuality::default_),
             voiceOf("en-US", "Anna", VoiceQuality::default_)});
    std::vector<QString> order;
    for (const SpeechVoice& voice : service_->availableVoices()) {
        order.push_back(voice.identifier);
    }
    EXPECT_THAT(order,
                ElementsAre("de-DE.Max", "en-GB.Dan", "en-US.Anna", "en-US.Zoe", "en-US.Ärger"));
}

TEST_F(SpeechServiceTest, BlankOrUnknownTextGetsTheDefaultVoiceAndNoLanguage) {
    service({voiceOf("en-US", "Zoe", VoiceQuality::premium)}, {}, {});
    speakHello();
    ASSERT_EQ(log_.spoken.size(), 1U);
    EXPECT_FALSE(log_.spoken[0].second.voiceIdentifier);
    EXPECT_FALSE(service_->detectedLanguage());
}

TEST_F(SpeechServiceTest, DetectsOnlyFromTheFirstThousandCharactersAndNeverForBlankText) {
    fakes::TableLanguageRecognizer recognizer(std::map<QString, QString>{});
    QString clusters;
    for (int i = 0; i < 1000; ++i) {
        clusters += "e\u0301";
    }
    SpeechService::detectLanguageCode(recognizer, clusters + "tail");
    ASSERT_EQ(recognizer.seen.size(), 1U);
    EXPECT_EQ(recognizer.seen[0], clusters);

    const QString blank = QString(" \n\t\u00a0").repeated(250);
    EXPECT_FALSE(SpeechService::detectLanguageCode(recognizer, blank + "Hello"));
    EXPECT_FALSE(SpeechService::detectLanguageCode(recognizer, QString()));
    EXPECT_EQ(recognizer.seen.size(), 1U);

    fakes::TableLanguageRecognizer english(std::map<QString, QString>{{"  Hello  ", "en"}});
    EXPECT_EQ(SpeechService::detectLanguageCode(english, "  Hello  "), QString("en"));
}

TEST_F(SpeechServiceTest, SpeaksAtTheRateForTheSpeedAndReportsThroughToTheFinish) {
    service();
    QSignalSpy speaking(service_.get(), &SpeechService::isSpeakingChanged);
    const UtteranceId utterance = speakHello();
    ASSERT_EQ(log_.spoken.size(), 1U);
    EXPECT_EQ(log_.spoken[0].second.text, englishText);
    EXPECT_FLOAT_EQ(log_.spoken[0].second.rate, 0.5F);
    EXPECT_TRUE(service_->isSpeaking());

    synthesizer_->reportWord(utterance, {0, 5});
    synthesizer_->reportWord(utterance, {6, 5});
    synthesizer_->reportWord(utterance, {12, 2});
    synthesizer_->reportFinish(utterance);
    synthesizer_->reportFinish(utterance);
    deliverReports();

    EXPECT_THAT(reported_, ElementsAre(0, 1, 2));
    EXPECT_EQ(finishes_, 1);
    EXPECT_FALSE(service_->isSpeaking());
    EXPECT_EQ(speaking.count(), 2);
}

TEST_F(SpeechServiceTest, StopSilencesAtOnceAndTheLateCancellationChangesNothing) {
    service();
    const UtteranceId utterance = speakHello();
    service_->stop();
    EXPECT_FALSE(service_->isSpeaking());
    EXPECT_EQ(log_.stops, 1);

    synthesizer_->reportWord(utterance, {6, 5});
    synthesizer_->reportCancel(utterance);
    synthesizer_->reportFinish(utterance);
    deliverReports();
    EXPECT_THAT(reported_, IsEmpty());
    EXPECT_EQ(finishes_, 0);
    EXPECT_FALSE(service_->isSpeaking());
}

TEST_F(SpeechServiceTest, ReportsOfAReplacedUtteranceAreDropped) {
    service();
    const UtteranceId first = speakHello();
    const UtteranceId second = speakHello(1);
    ASSERT_NE(first, second);

    synthesizer_->reportWord(first, {0, 5});
    synthesizer_->reportCancel(first);
    synthesizer_->reportFinish(first);
    synthesizer_->reportWord(second, {6, 2});
    deliverReports();
    EXPECT_THAT(reported_, ElementsAre(2));
    EXPECT_EQ(finishes_, 0);
    EXPECT_TRUE(service_->isSpeaking());
}

TEST_F(SpeechServiceTest, CancellationByTheSynthesizerEndsSpeechWithoutFinishing) {
    service();
    const UtteranceId utterance = speakHello();
    synthesizer_->reportCancel(utterance);
    deliverReports();
    EXPECT_FALSE(service_->isSpeaking());
    EXPECT_EQ(finishes_, 0);
}

TEST_F(SpeechServiceTest, FailureIsSignalledOnceAndNeverTakenForTheEnd) {
    service();
    QSignalSpy failed(service_.get(), &SpeechService::speechFailed);
    const UtteranceId utterance = speakHello();
    synthesizer_->reportFailure(utterance, "No sound output");
    synthesizer_->reportWord(utterance, {0, 5});
    synthesizer_->reportFinish(utterance);
    deliverReports();

    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), QString("No sound output"));
    EXPECT_FALSE(service_->isSpeaking());
    EXPECT_THAT(reported_, IsEmpty());
    EXPECT_EQ(finishes_, 0);
}

TEST_F(SpeechServiceTest, AWordCallbackMayStopSpeech) {
    service();
    const UtteranceId utterance = speakHello();
    service_->speak(
        wordsOf({"Hello", "wörld", "😀"}), 0, 175,
        [this](std::int64_t index) {
            reported_.push_back(index);
            service_->stop();
        },
        [this] { ++finishes_; });
    const UtteranceId current = log_.spoken.back().first;
    ASSERT_NE(utterance, current);
    synthesizer_->reportWord(current, {0, 5});
    synthesizer_->reportWord(current, {6, 5});
    deliverReports();
    EXPECT_THAT(reported_, ElementsAre(0));
    EXPECT_FALSE(service_->isSpeaking());
}

TEST_F(SpeechServiceTest, ReportsArrivingAfterTheServiceIsGoneAreDropped) {
    service();
    const UtteranceId utterance = speakHello();
    synthesizer_->reportWord(utterance, {0, 5});
    synthesizer_->reportFinish(utterance);
    service_.reset();
    deliverReports();
    EXPECT_THAT(reported_, IsEmpty());
    EXPECT_EQ(finishes_, 0);
}

TEST_F(SpeechServiceTest, ChosenVoiceIsStoredAndAutomaticRemovesIt) {
    const std::vector<SpeechVoice> voices{voiceOf("en-US", "Zoe", VoiceQuality::default_),
                                          voiceOf("en-GB", "Dan", VoiceQuality::premium)};
    service(voices);
    EXPECT_FALSE(service_->selectedVoiceID());
    service_->setSelectedVoiceID(QString("en-US.Zoe"));
    EXPECT_EQ(preferences_.string(SpeechService::selectedVoiceKey), QString("en-US.Zoe"));

    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-US.Zoe"));
    EXPECT_FALSE(service_->detectedLanguage());

    service_->setSelectedVoiceID(std::nullopt);
    EXPECT_FALSE(preferences_.string(SpeechService::selectedVoiceKey));
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-US.Zoe"));
    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-GB.Dan"));
    EXPECT_EQ(service_->detectedLanguage(), QString("en"));
}

TEST_F(SpeechServiceTest, StoredVoiceIsRestoredAndAMissingOneFallsBackToAutomatic) {
    const std::vector<SpeechVoice> voices{voiceOf("en-US", "Zoe", VoiceQuality::default_),
                                          voiceOf("en-GB", "Dan", VoiceQuality::premium)};
    preferences_.setString(SpeechService::selectedVoiceKey, "en-US.Zoe");
    service(voices);
    EXPECT_EQ(service_->selectedVoiceID(), QString("en-US.Zoe"));
    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-US.Zoe"));

    preferences_.setString(SpeechService::selectedVoiceKey, "uninstalled");
    service(voices);
    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-GB.Dan"));
    EXPECT_EQ(service_->selectedVoiceID(), QString("uninstalled"));
}

} // namespace
} // namespace velora
