#include "app/SpeechService.hpp"

#include "core/TextEngine.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"
#include "support/CoreApplication.hpp"

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
public:
    static void SetUpTestSuite() { testsupport::ensureCoreApplication(); }

    void TearDown() override { service_.reset(); }

    SpeechService& service(std::vector<SpeechVoice> voices = {},
                           std::map<QString, SpeechVoice> byLanguage = {},
                           std::map<QString, QString> languages = {{englishText, "en"}}) {
        auto synthesizer = std::make_unique<fakes::ScriptedSpeechSynthesizer>(log_);
        synthesizer_ = synthesizer.get();
        auto catalog =
            std::make_unique<fakes::FixedVoiceCatalog>(std::move(voices), std::move(byLanguage));
        catalog_ = catalog.get();
        service_ = std::make_unique<SpeechService>(
            std::move(synthesizer), std::move(catalog),
            std::make_unique<fakes::TableLanguageRecognizer>(std::move(languages)), preferences_);
        QObject::connect(service_.get(), &SpeechService::wordSpoken,
                         [this](qint64 index) { reported_.push_back(index); });
        QObject::connect(service_.get(), &SpeechService::finished, [this] { ++finishes_; });
        return *service_;
    }

    // Speaks the three words of englishText and records what the service reports back.
    UtteranceId speakHello(std::int64_t startIndex = 0) {
        service_->speak(wordsOf({"Hello", "wörld", "😀"}), startIndex, 175);
        return log_.spoken.empty() ? 0 : log_.spoken.back().first;
    }

    static void deliverReports() { QCoreApplication::sendPostedEvents(); }

    fakes::InMemoryPreferencesStore preferences_;
    fakes::ScriptedSpeechSynthesizer::Log log_;
    fakes::ScriptedSpeechSynthesizer* synthesizer_ = nullptr;
    fakes::FixedVoiceCatalog* catalog_ = nullptr;
    std::unique_ptr<SpeechService> service_;
    std::vector<std::int64_t> reported_;
    int finishes_ = 0;
};

TEST(SpeechServiceRanges, JoinWordsBySpacesAndCountUtf16Units) {
    const auto spoken = SpeechService::buildUTF16Ranges(wordsOf({"e\u0301te\u0301,", "😀", "東京"}));
    EXPECT_EQ(spoken.text, "e\u0301te\u0301, 😀 東京");
    EXPECT_EQ(spoken.ranges, (std::vector<Utf16Range>{{0, 6}, {7, 2}, {10, 2}}));
}

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
    EXPECT_EQ(reported_,
              GetParam().index ? std::vector{*GetParam().index} : std::vector<std::int64_t>{});
}

// From index 1 the utterance is "wörld 😀": ranges (0, 5) and (6, 2).
INSTANTIATE_TEST_SUITE_P(Locations, WordLocationTest,
                         ::testing::Values(LocationCase{0, 11, 2},
                                           LocationCase{0, 14, std::nullopt}, LocationCase{1, 5, 2},
                                           LocationCase{1, 8, std::nullopt}));

class NothingToSpeakTest : public SpeechServiceTest,
                           public ::testing::WithParamInterface<std::int64_t> {};

TEST_P(NothingToSpeakTest, FinishesAtOnceAndKeepsNoCallback) {
    service();
    speakHello(GetParam());
    EXPECT_THAT(log_.spoken, IsEmpty());
    synthesizer_->reportFinish(1);
    deliverReports();
    EXPECT_EQ(finishes_, 1);
}

INSTANTIATE_TEST_SUITE_P(StartIndexes, NothingToSpeakTest, ::testing::Values(3, -1));

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
}

const SpeechVoice platformEnglish{"platform.en", "Platform", "en", VoiceQuality::default_};

INSTANTIATE_TEST_SUITE_P(
    Voices, AutomaticVoiceTest,
    ::testing::Values(VoiceChoiceCase{{voiceOf("en-US", "Zoe", VoiceQuality::premium),
                                       voiceOf("en-GB", "Dan", VoiceQuality::default_),
                                       voiceOf("en-AU", "Lee", VoiceQuality::enhanced)},
                                      {},
                                      "en-US.Zoe"},
                      VoiceChoiceCase{{voiceOf("de-DE", "Max", VoiceQuality::premium)},
                                      {{"en", platformEnglish}},
                                      "platform.en"},
                      VoiceChoiceCase{
                          {voiceOf("de-DE", "Max", VoiceQuality::premium)}, {}, std::nullopt},
                      // Another language whose code merely starts with "en" is no match.
                      VoiceChoiceCase{{voiceOf("enm", "Chaucer", VoiceQuality::premium),
                                       voiceOf("en-GB", "Dan", VoiceQuality::default_)},
                                      {},
                                      "en-GB.Dan"}));

TEST_F(SpeechServiceTest, UnrecognisedTextGetsTheDefaultVoiceAndNoLanguage) {
    service({voiceOf("en-US", "Zoe", VoiceQuality::premium)}, {}, {});
    speakHello();
    EXPECT_FALSE(log_.spoken.at(0).second.voiceIdentifier);
    EXPECT_FALSE(service_->detectedLanguage());
    // Blank text is never shown to the recognizer, which would answer anything.
    const fakes::TableLanguageRecognizer recognizer(std::map<QString, QString>{{" \n\t", "en"}});
    EXPECT_FALSE(VoiceChooser::detectLanguageCode(recognizer, " \n\t"));
}

TEST_F(SpeechServiceTest, SpeaksAtTheRateForTheSpeedAndReportsThroughToTheFinish) {
    service();
    QSignalSpy speaking(service_.get(), &SpeechService::isSpeakingChanged);
    const UtteranceId utterance = speakHello();
    EXPECT_FLOAT_EQ(log_.spoken.at(0).second.rate, 0.5F);

    synthesizer_->reportWord(utterance, {0, 5});
    synthesizer_->reportWord(utterance, {12, 2});
    synthesizer_->reportFinish(utterance);
    synthesizer_->reportFinish(utterance);
    deliverReports();

    EXPECT_THAT(reported_, ElementsAre(0, 2));
    EXPECT_EQ(finishes_, 1);
    EXPECT_FALSE(service_->isSpeaking());
    EXPECT_EQ(speaking.count(), 2);
}

struct EndCase {
    const char* name;
    // Ends the utterance under way, perhaps by starting another; answers whether one is left.
    bool (*end)(SpeechServiceTest&, UtteranceId);
    std::vector<std::int64_t> reported;
    int failures;
};

class LateReportTest : public SpeechServiceTest, public ::testing::WithParamInterface<EndCase> {};

// Whatever the synthesizer still says about an utterance after it ended changes nothing.
TEST_P(LateReportTest, ReportsAfterTheEndAreDropped) {
    service();
    QSignalSpy failed(service_.get(), &SpeechService::speechFailed);
    const UtteranceId utterance = speakHello();
    const bool another = GetParam().end(*this, utterance);
    synthesizer_->reportWord(utterance, {6, 5});
    synthesizer_->reportCancel(utterance);
    synthesizer_->reportFinish(utterance);
    deliverReports();
    EXPECT_EQ(reported_, GetParam().reported);
    EXPECT_EQ(finishes_, 0);
    EXPECT_EQ(failed.count(), GetParam().failures);
    EXPECT_EQ(service_->isSpeaking(), another);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LateReportTest,
    ::testing::Values(EndCase{"stop",
                              [](SpeechServiceTest& t, UtteranceId) {
                                  t.service_->stop();
                                  return false;
                              },
                              {},
                              0},
                      EndCase{"replaced",
                              [](SpeechServiceTest& t, UtteranceId) {
                                  t.synthesizer_->reportWord(t.speakHello(1), {6, 2});
                                  return true;
                              },
                              {2},
                              0},
                      EndCase{"failure",
                              [](SpeechServiceTest& t, UtteranceId first) {
                                  t.synthesizer_->reportFailure(first, "No sound output");
                                  return false;
                              },
                              {},
                              1}),
    [](const auto& info) { return std::string(info.param.name); });

// Chinese is tokenized into words with no space between them in the text; the utterance puts
// one between them, so each report still names one word.
TEST_F(SpeechServiceTest, ChineseWordsAreReportedOneByOne) {
    const std::vector<Word> words = TextEngine::tokenize("今天天气很好。我们去公园散步吧！");
    const SpeechService::SpokenText spoken =
        SpeechService::buildUTF16Ranges(std::span(words).subspan(2));
    service({voiceOf("cmn", "Mandarin", VoiceQuality::default_),
             voiceOf("en-US", "Zoe", VoiceQuality::premium)},
            {}, {{spoken.text, "zh"}});
    service_->speak(words, 2, 175);
    ASSERT_EQ(log_.spoken.size(), 1U);
    const auto& [utterance, said] = log_.spoken[0];
    EXPECT_EQ(said.voiceIdentifier, QString("cmn.Mandarin"));
    EXPECT_EQ(said.text, QString("很好。 我们 去 公园 散步 吧！"));
    for (const Utf16Range& range : spoken.ranges) {
        synthesizer_->reportWord(utterance, {range.location + range.length - 1, 1});
    }
    deliverReports();
    EXPECT_THAT(reported_, ElementsAre(2, 3, 4, 5, 6, 7));
}

struct UnvoicedCase {
    const char* name;
    std::string text;
    QString language;
    // Empty when the default voice reads the text.
    QString reason;
};

class UnvoicedLanguageTest : public SpeechServiceTest,
                             public ::testing::WithParamInterface<UnvoicedCase> {};

// Without a voice for its language, text in Latin letters is read by the default voice; any
// other script would come out as noise, so speech says why it is unavailable instead.
TEST_P(UnvoicedLanguageTest, FailsAtOnceUnlessTheDefaultVoiceCanReadIt) {
    const std::vector<Word> words = TextEngine::tokenize(GetParam().text);
    service({voiceOf("en-US", "Zoe", VoiceQuality::premium)}, {},
            {{SpeechService::buildUTF16Ranges(words).text, GetParam().language}});
    QSignalSpy failed(service_.get(), &SpeechService::speechFailed);
    service_->speak(words, 0, 175);
    deliverReports();
    EXPECT_EQ(service_->detectedLanguage(), GetParam().language);
    if (GetParam().reason.isEmpty()) {
        ASSERT_EQ(log_.spoken.size(), 1U);
        EXPECT_FALSE(log_.spoken[0].second.voiceIdentifier);
        EXPECT_EQ(failed.count(), 0);
        return;
    }
    EXPECT_THAT(log_.spoken, IsEmpty());
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), GetParam().reason);
    EXPECT_FALSE(service_->isSpeaking());
    // Nothing of it reaches the caller later.
    synthesizer_->reportFinish(1);
    deliverReports();
    EXPECT_EQ(finishes_, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, UnvoicedLanguageTest,
                         ::testing::Values(UnvoicedCase{"Khmer", "ខ្ញុំស្រលាញ់អ្នក។", "km",
                                                        "No voice for Khmer is installed"},
                                           UnvoicedCase{"Japanese", "東京は大きい。", "ja",
                                                        "No voice for Japanese is installed"},
                                           UnvoicedCase{"Haitian", "Bonjou tout moun.", "ht", ""},
                                           UnvoicedCase{"Unknown", "Xyzzy plugh.", "xx", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpeechServiceTest, ChosenVoiceIsStoredAndAMissingOneFallsBackToAutomatic) {
    const std::vector<SpeechVoice> voices{voiceOf("en-US", "Zoe", VoiceQuality::default_),
                                          voiceOf("en-GB", "Dan", VoiceQuality::premium)};
    preferences_.setString(SpeechService::selectedVoiceKey, "uninstalled");
    service(voices);
    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-GB.Dan"));
    service_->setSelectedVoiceID(QString("en-US.Zoe"));
    EXPECT_EQ(preferences_.string(SpeechService::selectedVoiceKey), QString("en-US.Zoe"));
    speakHello();
    EXPECT_EQ(log_.spoken.back().second.voiceIdentifier, QString("en-US.Zoe"));
}

struct WaitingCase {
    const char* name;
    std::vector<const char*> words;
    // What the reader does while the voices are read.
    void (*meanwhile)(SpeechServiceTest&);
    // The voice of each utterance heard, in order.
    std::vector<std::optional<QString>> heard;
    // Empty when nothing failed.
    QString failure = {};
};

class VoicesReadWhenAskedTest : public SpeechServiceTest,
                                public ::testing::WithParamInterface<WaitingCase> {};

// The voices are read at the first utterance; it waits for them, since its voice cannot be
// chosen before, and is then heard in the voice of its language.
TEST_P(VoicesReadWhenAskedTest, TheFirstUtteranceWaitsForTheVoices) {
    service({voiceOf("en-US", "Zoe", VoiceQuality::premium),
             voiceOf("tr-TR", "Yelda", VoiceQuality::default_)},
            {}, {{englishText, "en"}, {"merhaba dünya", "tr"}, {"東京 は", "ja"}});
    catalog_->waitToBeAsked();
    QSignalSpy failed(service_.get(), &SpeechService::speechFailed);
    std::vector<Word> words;
    for (const char* word : GetParam().words) {
        words.push_back(Word{static_cast<std::int64_t>(words.size()), word});
    }

    service_->speak(words, 0, 175);
    EXPECT_TRUE(catalog_->asked());
    EXPECT_TRUE(service_->isSpeaking());
    GetParam().meanwhile(*this);
    EXPECT_THAT(log_.spoken, IsEmpty());
    catalog_->finishLoading();
    deliverReports();

    std::vector<std::optional<QString>> heard;
    for (const auto& [id, utterance] : log_.spoken) {
        heard.push_back(utterance.voiceIdentifier);
    }
    EXPECT_EQ(heard, GetParam().heard);
    EXPECT_EQ(service_->isSpeaking(), !GetParam().heard.empty());
    EXPECT_EQ(failed.value(0).value(0).toString(), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Meanwhile, VoicesReadWhenAskedTest,
    ::testing::Values(
        WaitingCase{"Waited", {"merhaba", "dünya"}, [](SpeechServiceTest&) {}, {"tr-TR.Yelda"}},
        WaitingCase{"Stopped",
                    {"merhaba", "dünya"},
                    [](SpeechServiceTest& test) { test.service_->stop(); },
                    {}},
        WaitingCase{"Replaced",
                    {"merhaba", "dünya"},
                    [](SpeechServiceTest& test) { test.speakHello(); },
                    {"en-US.Zoe"}},
        WaitingCase{"Unvoiced",
                    {"東京", "は"},
                    [](SpeechServiceTest&) {},
                    {},
                    "No voice for Japanese is installed"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
