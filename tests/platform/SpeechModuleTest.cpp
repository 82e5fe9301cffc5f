#include "platform/speech/SpeechModule.hpp"

#include "app/SpeechService.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"
#include "platform/speech/EspeakSynthesizer.hpp"
#include "platform/speech/ModuleSynthesizer.hpp"
#include "platform/speech/ModuleVoiceCatalog.hpp"
#include "support/CoreApplication.hpp"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>

namespace velora {
namespace {

const QString turkish = QStringLiteral("merhaba dünya");

class SpeechModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureCoreApplication(); }

    // The service as the program makes it, over a module that `open` stands in for.
    SpeechService& service(SpeechModule::Opener open) {
        auto module = std::make_shared<SpeechModule>(std::move(open));
        service_ = std::make_unique<SpeechService>(std::make_unique<ModuleSynthesizer>(module),
                                                   std::make_unique<ModuleVoiceCatalog>(module),
                                                   std::make_unique<fakes::TableLanguageRecognizer>(
                                                       std::map<QString, QString>{{turkish, "tr"}}),
                                                   preferences_);
        return *service_;
    }

    void speakTurkish() { service_->speak({Word{0, "merhaba"}, Word{1, "dünya"}}, 0, 300); }

    fakes::InMemoryPreferencesStore preferences_;
    fakes::ScriptedSpeechSynthesizer::Log log_;
    std::unique_ptr<SpeechService> service_;
};

TEST_F(SpeechModuleTest, TheLoadedEngineSpeaksInTheTextsVoiceAndReportsBack) {
    fakes::ScriptedSpeechSynthesizer* synthesizer = nullptr;
    SpeechService& speech = service([&] {
        auto scripted = std::make_unique<fakes::ScriptedSpeechSynthesizer>(log_);
        synthesizer = scripted.get();
        return std::make_unique<SpeechEngine>(SpeechEngine{
            std::move(scripted), std::make_unique<fakes::FixedVoiceCatalog>(
                                     std::vector<SpeechVoice>{{"voice.en", "Alex", "en-US"},
                                                              {"voice.tr", "Yelda", "tr-TR"}},
                                     std::map<QString, SpeechVoice>{})});
    });
    std::vector<qint64> heard;
    QObject::connect(&speech, &SpeechService::wordSpoken,
                     [&](qint64 index) { heard.push_back(index); });

    speakTurkish();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log_.spoken.empty(); }, 10000));
    EXPECT_EQ(log_.spoken.at(0).second.voiceIdentifier, "voice.tr");
    EXPECT_EQ(speech.availableVoices().size(), 2U);

    synthesizer->reportWord(log_.spoken.at(0).first, {8, 5});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(heard, std::vector<qint64>{1});
}

// A missing module is said once for every utterance, the first one that waited for it too.
TEST_F(SpeechModuleTest, WithoutItsModuleEveryUtteranceFailsWithTheReason) {
    std::atomic<int> opened = 0;
    SpeechService& speech = service([&] {
        ++opened;
        return std::unique_ptr<SpeechEngine>();
    });
    QSignalSpy failures(&speech, &SpeechService::speechFailed);
    for (int round = 1; round <= 2; ++round) {
        speakTurkish();
        ASSERT_TRUE(QTest::qWaitFor([&] { return failures.count() == round; }, 10000));
        EXPECT_EQ(failures.last().at(0).toString(), EspeakSynthesizer::engineUnavailable);
        EXPECT_FALSE(speech.isSpeaking());
    }
    EXPECT_EQ(opened, 1);
}

TEST_F(SpeechModuleTest, GoingAwayWhileTheEngineLoadsWaitsForItAndDropsIt) {
    std::atomic<bool> release = false;
    std::atomic<int> opened = 0;
    service([&] {
        ++opened;
        while (!release) {
            std::this_thread::yield();
        }
        return std::unique_ptr<SpeechEngine>();
    });
    speakTurkish();
    service_->prepareVoices();
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release = true;
    });
    service_.reset();
    releaser.join();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace velora
