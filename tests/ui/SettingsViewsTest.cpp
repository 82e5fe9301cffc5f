#include "app/NotificationCenter.hpp"
#include "support/SpeechServiceFixture.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/SegmentedControl.hpp"
#include "ui/SettingsView.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/ThemeSwatches.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace velora {
namespace {

// Stands in for the controller: applies every edit to its settings and shows them again, as
// the reader's binding does.
template <typename View> struct Bound {
    explicit Bound(View& view, ReadingSettings initial = {}) : settings(initial) {
        QObject::connect(&view, &View::settingsEdited, &view, [this, &view](const SettingsEdit& e) {
            e(settings);
            ++writes;
            view.showSettings(settings);
        });
        view.showSettings(settings);
    }
    ReadingSettings settings;
    int writes = 0;
};

class SettingsViews : public ::testing::Test {
protected:
    testsupport::SpeechServiceFixture voices;
};

TEST_F(SettingsViews, OutOfRangeStoredValuesShowAtTheEndsOfTheControls) {
    QuickSettingsView card(voices.speech);
    ReadingSettings stored;
    stored.wpm = 5000;
    stored.fontScale = 3.0;
    stored.wordsPerChunk = 0;
    Bound bound(card, stored);
    SettingsControls& c = card.controls();
    EXPECT_EQ(c.speedValue->text(), "1200 WPM · 4.8X");
    EXPECT_EQ(c.speed->value(), c.speed->maximum());
    EXPECT_EQ(c.textSizeValue->text(), "2.5×");
    EXPECT_EQ(c.textSize->value(), c.textSize->maximum());
    EXPECT_EQ(c.chunk->text(), "Words at a time: 1");
    EXPECT_EQ(bound.writes, 0) << "showing stored values writes nothing back";

    c.chunk->stepUp();
    EXPECT_EQ(bound.settings.wordsPerChunk, 2);
    c.speed->setValue(c.speed->minimum() + 1);
    EXPECT_EQ(bound.settings.wpm, 30);
    EXPECT_EQ(bound.settings.fontScale, 3.0) << "other fields are left as stored";
}

TEST_F(SettingsViews, SwatchesFollowTheStoredThemeAndChooseIt) {
    QuickSettingsView card(voices.speech);
    Bound bound(card);
    EXPECT_TRUE(card.swatches().swatch(ReadingTheme::system)->isChecked());
    card.swatches().swatch(ReadingTheme::sepia)->click();
    EXPECT_EQ(bound.settings.theme, ReadingTheme::sepia);
    EXPECT_TRUE(card.swatches().swatch(ReadingTheme::sepia)->isChecked());
    EXPECT_FALSE(card.swatches().swatch(ReadingTheme::system)->isChecked());
    EXPECT_EQ(card.controls().theme->currentText(), "Sepia");
    EXPECT_EQ(card.swatches().swatch(ReadingTheme::highContrast)->toolTip(), "High Contrast");

    // Clicking the current swatch keeps it outlined.
    card.swatches().swatch(ReadingTheme::sepia)->click();
    EXPECT_TRUE(card.swatches().swatch(ReadingTheme::sepia)->isChecked());
}

TEST_F(SettingsViews, TransitionDescriptionFollowsThePicker) {
    QuickSettingsView card(voices.speech);
    Bound bound(card);
    EXPECT_EQ(card.transitionDescription(), "Quick cross-fade so each word clearly arrives.");
    card.controls().transitionSegments->segment(0).click();
    EXPECT_EQ(bound.settings.transition, WordTransition::hard);
    EXPECT_EQ(card.transitionDescription(), "Instant swap — classic RSVP.");
    EXPECT_EQ(card.controls().transitionSegments->currentIndex(), 0);
}

TEST_F(SettingsViews, QuickVoicePickerIsOffWithSpeechButTheWindowsIsNot) {
    QuickSettingsView card(voices.speech);
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    SettingsView window(voices.speech, preferences, notifications);
    card.showSpeechEnabled(false);
    window.showSpeechEnabled(false);
    EXPECT_FALSE(card.controls().voice->isEnabled());
    EXPECT_TRUE(window.controls().voice->isEnabled());
    EXPECT_EQ(card.voiceHintText(), "Speech is off — reading is purely visual.");

    QSignalSpy toggles(&card, &QuickSettingsView::speechEnabledEdited);
    card.controls().speech->click();
    ASSERT_EQ(toggles.count(), 1);
    EXPECT_TRUE(toggles.at(0).at(0).toBool());
    card.showSpeechEnabled(true);
    EXPECT_TRUE(card.controls().voice->isEnabled());
    EXPECT_EQ(card.voiceHintText(),
              "The text's language is detected automatically and read with a matching voice.");
}

TEST_F(SettingsViews, VoicePickerWritesTheServiceAndBothViewsFollow) {
    QuickSettingsView card(voices.speech);
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    SettingsView window(voices.speech, preferences, notifications);
    card.showSpeechEnabled(true);
    QComboBox& picker = *window.controls().voice;
    ASSERT_EQ(picker.count(), 3);
    EXPECT_EQ(picker.itemText(0), "Automatic — match text language");
    EXPECT_EQ(picker.itemText(2), "Yelda — tr-TR");

    picker.setCurrentIndex(2);
    EXPECT_EQ(voices.speech.selectedVoiceID(), std::optional<QString>("voice.tr"));
    EXPECT_EQ(card.controls().voice->currentIndex(), 2);
    EXPECT_EQ(card.voiceHintText(),
              "Using the voice you picked, regardless of the text's language.");

    card.controls().voice->setCurrentIndex(0);
    EXPECT_EQ(voices.speech.selectedVoiceID(), std::nullopt);
    EXPECT_EQ(picker.currentIndex(), 0);
}

TEST_F(SettingsViews, WindowHasFourTabsAndWritesPauses) {
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    SettingsView window(voices.speech, preferences, notifications);
    Bound bound(window);
    QStringList titles;
    for (int i = 0; i < window.tabs().count(); ++i) {
        titles << window.tabs().tabText(i);
    }
    EXPECT_EQ(titles, QStringList({"Reading", "Voice", "Shortcut", "About"}));
    EXPECT_EQ(window.controls().speedValue->text(), "300 WPM · 1.2X");

    const auto& pauses = window.pauseControls();
    EXPECT_EQ(pauses[0].value->text(), "1.5×");
    EXPECT_EQ(pauses[2].value->text(), "2.0×");
    pauses[1].slider->setValue(pauses[1].slider->maximum());
    EXPECT_EQ(bound.settings.majorPauseMultiplier, 2.5);
    pauses[2].slider->setValue(pauses[2].slider->maximum());
    EXPECT_EQ(bound.settings.paragraphPauseMultiplier, 3.0);
    EXPECT_EQ(pauses[2].value->text(), "3.0×");
    EXPECT_EQ(bound.settings.minorPauseMultiplier, 1.5);
}

TEST_F(SettingsViews, ShortcutPickerSavesOnlyARealChange) {
    fakes::InMemoryPreferencesStore preferences;
    NotificationCenter notifications;
    QSignalSpy posted(&notifications, &NotificationCenter::posted);
    SettingsView window(voices.speech, preferences, notifications);
    QComboBox& picker = window.shortcutPicker();
    ASSERT_EQ(picker.count(), int(HotKeyConfig::presets().size()));
    EXPECT_EQ(picker.currentIndex(), 0);

    picker.setCurrentIndex(0);
    EXPECT_EQ(posted.count(), 0);
    EXPECT_FALSE(preferences.data(QString(HotKeyConfig::preferencesKey)).has_value());

    picker.setCurrentIndex(2);
    ASSERT_EQ(posted.count(), 1);
    EXPECT_EQ(posted.at(0).at(0).toString(), QString(hotKeyConfigChanged));
    EXPECT_EQ(HotKeyConfig::load(preferences), HotKeyConfig::presets()[2]);

    // A window built later starts from the stored shortcut.
    SettingsView reopened(voices.speech, preferences, notifications);
    EXPECT_EQ(reopened.shortcutPicker().currentIndex(), 2);
}

} // namespace
} // namespace velora
