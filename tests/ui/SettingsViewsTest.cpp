#include "app/HotKeySetting.hpp"
#include "app/platform/DesktopShortcutSettings.hpp"
#include "app/platform/StartAtLogin.hpp"
#include "support/SpeechServiceFixture.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/RhythmControls.hpp"
#include "ui/SettingsView.hpp"
#include "ui/ShortcutRecorder.hpp"
#include "ui/StartAtLoginSwitch.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace velora {
namespace {

class SettingsViews : public ::testing::Test {
protected:
    testsupport::SpeechServiceFixture voices;
    fakes::InMemoryPreferencesStore preferences;
    HotKeySetting shortcut{preferences};
    QSignalSpy chosen{&shortcut, &HotKeySetting::hotKeyConfigChanged};
};

TEST_F(SettingsViews, VoicePickerWritesTheServiceAndBothViewsFollow) {
    QuickSettingsView card(voices.speech);
    SettingsView window(voices.speech, shortcut);
    card.showSpeechEnabled(true);
    QComboBox& picker = *window.controls().voice;
    ASSERT_EQ(picker.itemText(2), "Yelda — tr-TR");

    picker.setCurrentIndex(2);
    EXPECT_EQ(voices.speech.selectedVoiceID(), std::optional<QString>("voice.tr"));
    EXPECT_EQ(card.controls().voice->currentIndex(), 2);
    EXPECT_EQ(card.voiceHintText(),
              "Using the voice you picked, regardless of the text's language.");

    card.controls().voice->setCurrentIndex(0);
    EXPECT_EQ(voices.speech.selectedVoiceID(), std::nullopt);
    EXPECT_EQ(picker.currentIndex(), 0);
}

TEST_F(SettingsViews, PlaybackSwitchesShowAndEditTheirSettings) {
    SettingsView window(voices.speech, shortcut);
    ReadingSettings settings;
    window.showSettings(settings);
    const auto& [ramp, resume] = window.playbackSwitches();
    EXPECT_FALSE(ramp->isChecked());
    EXPECT_TRUE(resume->isChecked());

    QObject::connect(&window, &SettingsView::settingsEdited,
                     [&](const SettingsEdit& edit) { edit(settings); });
    ramp->setChecked(true);
    resume->setChecked(false);
    EXPECT_TRUE(settings.speedRamp);
    EXPECT_FALSE(settings.resumeAtSentenceStart);
}

// OpenDyslexic is one click away, and the switch and the font list tell the same story.
TEST_F(SettingsViews, DyslexicFontSwitchAndFontListFollowEachOther) {
    QWidget owner;
    RhythmControls controls(&owner);
    ReadingSettings settings;
    QObject::connect(&controls, &RhythmControls::settingsEdited, [&](const SettingsEdit& edit) {
        edit(settings);
        controls.showSettings(settings);
    });
    controls.showSettings(settings);
    ASSERT_FALSE(controls.dyslexicFont->isChecked());

    controls.dyslexicFont->click();
    EXPECT_EQ(settings.readingFont, "OpenDyslexic");
    EXPECT_EQ(controls.font->currentData().toString(), "OpenDyslexic");

    controls.font->setCurrentIndex(controls.font->findData(QStringLiteral("Noto Serif")));
    EXPECT_EQ(settings.readingFont, "Noto Serif");
    EXPECT_FALSE(controls.dyslexicFont->isChecked());

    controls.dyslexicFont->click();
    controls.dyslexicFont->click();
    EXPECT_EQ(settings.readingFont, "");
    EXPECT_EQ(controls.font->currentIndex(), 0);
}

TEST_F(SettingsViews, VoicesOfTheDesktopServiceArriveUnderTheirModule) {
    auto catalog = std::make_unique<fakes::FixedVoiceCatalog>(
        std::vector<SpeechVoice>{{"voice.en", "Alex", "en-US", VoiceQuality::default_}},
        std::map<QString, SpeechVoice>{});
    fakes::FixedVoiceCatalog& installed = *catalog;
    fakes::ScriptedSpeechSynthesizer::Log log;
    SpeechService speech(
        std::make_unique<fakes::ScriptedSpeechSynthesizer>(log), std::move(catalog),
        std::make_unique<fakes::TableLanguageRecognizer>(std::map<QString, QString>{}),
        preferences);
    SettingsView window(speech, shortcut);
    QComboBox& picker = *window.controls().voice;

    installed.add({"desktop.fr", "French", "fr-FR", VoiceQuality::default_, "espeak-ng"});
    installed.add({"desktop.de", "German", "de", VoiceQuality::default_, "espeak-ng"});
    QCoreApplication::sendPostedEvents();

    QStringList shown;
    for (int i = 0; i < picker.count(); ++i) {
        shown.append(picker.itemText(i));
    }
    EXPECT_EQ(shown, (QStringList{"Automatic — match text language", "Alex — en-US", "",
                                  "espeak-ng", "German — de", "French — fr-FR"}));
    const int heading = static_cast<int>(shown.indexOf("espeak-ng"));
    EXPECT_FALSE(picker.model()->flags(picker.model()->index(heading, 0)) & Qt::ItemIsEnabled);
    picker.setCurrentIndex(heading + 2);
    EXPECT_EQ(speech.selectedVoiceID(), std::optional<QString>("desktop.fr"));
}

TEST_F(SettingsViews, ShortcutPickerSavesOnlyARealChange) {
    SettingsView window(voices.speech, shortcut);
    QComboBox& picker = window.shortcutPicker();
    picker.setCurrentIndex(0);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_FALSE(preferences.data(QString(HotKeyConfig::preferencesKey)).has_value());

    picker.setCurrentIndex(2);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(HotKeyConfig::load(preferences), HotKeyConfig::presets()[2]);

    // A window built later starts from the shortcut in use.
    SettingsView reopened(voices.speech, shortcut);
    EXPECT_EQ(reopened.shortcutPicker().currentIndex(), 2);
}

// The recorder takes any chord with Ctrl, Alt or Super, saves it at once, and the tab then says
// what the desktop made of it.
TEST_F(SettingsViews, RecordedChordIsSavedAndItsFateShown) {
    SettingsView window(voices.speech, shortcut);
    ShortcutRecorder& recorder = window.shortcutRecorder();

    recorder.click();
    ASSERT_TRUE(recorder.isListening());
    EXPECT_EQ(recorder.text(), QStringLiteral("Press a shortcut…"));
    QTest::keyClick(&recorder, Qt::Key_R, Qt::ShiftModifier);
    EXPECT_TRUE(recorder.isListening());
    EXPECT_TRUE(window.shortcutStatusText().contains(QStringLiteral("needs Ctrl, Alt or Super")));
    EXPECT_EQ(chosen.count(), 0);

    QTest::keyClick(&recorder, Qt::Key_F5, Qt::MetaModifier | Qt::ShiftModifier);
    EXPECT_FALSE(recorder.isListening());
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(HotKeyConfig::load(preferences).display(), QStringLiteral("Shift+Super+F5"));
    EXPECT_EQ(window.shortcutPicker().currentIndex(), -1);

    shortcut.showRegistration(false);
    EXPECT_TRUE(
        window.shortcutStatusText().startsWith(QStringLiteral("Shift+Super+F5 is unavailable")));

    // Picking a preset afterwards still saves it.
    window.shortcutPicker().setCurrentIndex(0);
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(HotKeyConfig::load(preferences), HotKeyConfig::presets()[0]);

    // The shell settled on another preset: shown, not saved as a choice.
    shortcut.fallBackTo(HotKeyConfig::presets()[1]);
    shortcut.showRegistration(true);
    EXPECT_EQ(window.shortcutPicker().currentIndex(), 1);
    EXPECT_EQ(window.shortcutStatusText(), QStringLiteral("Ctrl+Alt+Shift+Space is active."));
    EXPECT_EQ(chosen.count(), 2);
}

// GNOME's custom shortcuts, in memory: the chord of the one entry this program keeps.
class MemoryDesktopShortcut final : public DesktopShortcutSettings {
public:
    std::optional<QString> shortcut() const override { return chord; }
    bool add(QKeyCombination keys) override {
        chord = HotKeyConfig{keys}.display();
        return true;
    }
    void remove() override { chord.reset(); }
    void watch(std::function<void()>) override {}

    std::optional<QString> chord;
};

TEST_F(SettingsViews, GnomeShortcutIsAddedWithTheChosenChordAndRemovedOnRequest) {
    MemoryDesktopShortcut gnome;
    QSignalSpy edited(&shortcut, &HotKeySetting::desktopShortcutChanged);
    SettingsView window(voices.speech, shortcut);
    window.shortcutPicker().setCurrentIndex(2);
    window.showCaptureSupport({ShortcutRoute::gnomeCustomShortcut, false, &gnome});
    QPushButton& button = window.desktopShortcutButton();
    ASSERT_FALSE(button.isHidden());
    const QString chord = HotKeyConfig::presets()[2].display();
    EXPECT_EQ(button.text(),
              QStringLiteral("Add ") + chord + QStringLiteral(" to GNOME's shortcuts"));

    button.click();
    EXPECT_EQ(gnome.chord, chord);
    EXPECT_TRUE(window.captureSupportText().contains(QStringLiteral("GNOME runs veloramac "
                                                                    "--read-selection on ") +
                                                     chord));
    EXPECT_EQ(edited.count(), 1);

    button.click();
    EXPECT_EQ(gnome.chord, std::nullopt);
    EXPECT_TRUE(button.text().startsWith(QStringLiteral("Add ")));

    // Routes where the desktop binds the shortcut itself offer no button.
    window.showCaptureSupport({ShortcutRoute::portal, false, nullptr});
    EXPECT_TRUE(button.isHidden());
}

// An autostart entry that answers as told, the way the desktop's own settings may leave it.
class ScriptedStartAtLogin final : public StartAtLogin {
public:
    State state() const override { return state_; }
    bool setEnabled(bool enabled) override {
        if (!writable_ || state_ == State::disabledByUser) {
            return !enabled && state_ != State::on;
        }
        state_ = enabled ? State::on : State::off;
        return true;
    }

    State state_ = State::off;
    bool writable_ = true;
};

TEST_F(SettingsViews, StartAtLoginShowsTheEntryAsItStands) {
    ScriptedStartAtLogin login;
    SettingsView window(voices.speech, shortcut);
    window.offerStartAtLogin(login);
    StartAtLoginSwitch& line = *window.startAtLoginSwitch();
    QCheckBox& box = line.checkBox();
    EXPECT_FALSE(box.isChecked());
    box.click();
    EXPECT_EQ(login.state_, StartAtLogin::State::on);

    login.state_ = StartAtLogin::State::disabledByUser;
    line.refresh();
    EXPECT_FALSE(box.isChecked());
    EXPECT_FALSE(box.isEnabled());

    login.state_ = StartAtLogin::State::off;
    login.writable_ = false;
    line.refresh();
    box.click();
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(line.noteText(), "The autostart entry could not be written.");
}

} // namespace
} // namespace velora
