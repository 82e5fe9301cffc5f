#include "ui/SettingsControls.hpp"

#include "app/SpeechService.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/EnumTitles.hpp"
#include "ui/SegmentedControl.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/TextStyle.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <cmath>

namespace velora {

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<SegmentedControl::Segment> transitionTitles() {
    std::vector<SegmentedControl::Segment> titles;
    for (WordTransition each : allWordTransitions) {
        titles.push_back({displayTitle(each), {}});
    }
    return titles;
}

void showIndex(QComboBox& box, int index) {
    const QSignalBlocker blocker(&box);
    box.setCurrentIndex(index);
}

} // namespace

SettingsEdit speedEdit(double rate) {
    const auto wpm = static_cast<std::int64_t>(std::trunc(rate));
    return [wpm](ReadingSettings& s) { s.wpm = wpm; };
}

SettingsEdit chunkEdit(int words) {
    return [words](ReadingSettings& s) { s.wordsPerChunk = words; };
}

QString multiplierText(double value) {
    return QString::number(value, 'f', 1) + QChar(0x00D7);
}

SettingsControls::SettingsControls(SpeechService& service, TransitionPicker picker, QWidget* owner)
    : QObject(owner), theme(new QComboBox(owner)),
      transitionMenu(picker == TransitionPicker::menu ? new QComboBox(owner) : nullptr),
      transitionSegments(picker == TransitionPicker::segments
                             ? new SegmentedControl(transitionTitles(), owner)
                             : nullptr),
      pivot(new QCheckBox(tr("Highlight focus letter (ORP)"), owner)),
      textSize(new SteppedSlider(0.6, 2.5, 0.1, owner)),
      textSizeValue(styledLabel({}, TextStyle::callout, Tone::secondary, owner)),
      speed(new SteppedSlider(double(ReadingSettings::minWPM), double(ReadingSettings::maxWPM),
                              double(ReadingSettings::wpmStep), owner)),
      speedValue(styledLabel({}, TextStyle::callout, Tone::primary, owner)),
      speedMinimum(styledLabel(QString::number(ReadingSettings::minWPM), TextStyle::caption2,
                               Tone::secondary, owner)),
      speedMaximum(styledLabel(QString::number(ReadingSettings::maxWPM), TextStyle::caption2,
                               Tone::secondary, owner)),
      chunk(new ChunkStepper(owner)), speech(new QCheckBox(owner)), voice(new QComboBox(owner)),
      speechService_(service) {
    describeControls();
    connectAppearance();
    connectPace();
    connectVoice();
    speechService_.prepareVoices();
    showVoices();
}

void SettingsControls::describeControls() {
    for (ReadingTheme each : allReadingThemes) {
        theme->addItem(displayTitle(each));
    }
    theme->setAccessibleName(tr("Theme"));
    textSize->setAccessibleName(tr("Text size"));
    speed->setAccessibleName(tr("Speed in words per minute"));
    voice->setAccessibleName(tr("Voice"));
    applyTextStyle(*textSizeValue, TextStyle::callout);
    textSizeValue->setFixedWidth(42);
    textSizeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyTextStyle(*speedValue, TextStyle::callout);
}

void SettingsControls::connectAppearance() {
    connect(theme, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            const ReadingTheme chosen = allReadingThemes[static_cast<std::size_t>(index)];
            emit settingsEdited([chosen](ReadingSettings& s) { s.theme = chosen; });
        }
    });
    const auto chooseTransition = [this](int index) {
        if (index >= 0) {
            const WordTransition chosen = allWordTransitions[static_cast<std::size_t>(index)];
            emit settingsEdited([chosen](ReadingSettings& s) { s.transition = chosen; });
        }
    };
    if (transitionMenu != nullptr) {
        transitionMenu->setAccessibleName(tr("Focus transition"));
        for (const SegmentedControl::Segment& each : transitionTitles()) {
            transitionMenu->addItem(each.title);
        }
        connect(transitionMenu, &QComboBox::currentIndexChanged, this, chooseTransition);
    } else {
        connect(transitionSegments, &SegmentedControl::indexChosen, this, chooseTransition);
    }
    connect(pivot, &QCheckBox::toggled, this, [this](bool on) {
        emit settingsEdited([on](ReadingSettings& s) { s.highlightPivot = on; });
    });
    connect(textSize, &SteppedSlider::valueEdited, this, [this](double scale) {
        emit settingsEdited([scale](ReadingSettings& s) { s.fontScale = scale; });
    });
}

void SettingsControls::connectPace() {
    connect(speed, &SteppedSlider::valueEdited, this,
            [this](double rate) { emit settingsEdited(speedEdit(rate)); });
    connect(chunk, &ChunkStepper::valueEdited, this,
            [this](int words) { emit settingsEdited(chunkEdit(words)); });
}

void SettingsControls::connectVoice() {
    connect(speech, &QCheckBox::toggled, this, &SettingsControls::speechEnabledEdited);
    connect(voice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) {
            return;
        }
        const QString identifier = voice->itemData(index).toString();
        speechService_.setSelectedVoiceID(identifier.isEmpty() ? std::nullopt
                                                               : std::optional(identifier));
    });
    connect(&speechService_, &SpeechService::availableVoicesChanged, this,
            &SettingsControls::showVoices);
    connect(&speechService_, &SpeechService::selectedVoiceIDChanged, this,
            &SettingsControls::showSelectedVoice);
}

void SettingsControls::showSettings(const ReadingSettings& settings) {
    showIndex(*theme, static_cast<int>(settings.theme));
    if (transitionMenu != nullptr) {
        showIndex(*transitionMenu, static_cast<int>(settings.transition));
    } else {
        transitionSegments->showIndex(static_cast<int>(settings.transition));
    }
    {
        const QSignalBlocker blocker(pivot);
        pivot->setChecked(settings.highlightPivot);
    }
    textSize->showValue(settings.clampedFontScale());
    textSizeValue->setText(multiplierText(settings.clampedFontScale()));
    speed->showValue(double(settings.clampedWPM()));
    speedValue->setText(
        tr("%1 WPM · %2").arg(settings.clampedWPM()).arg(qtext(settings.speedMultiplierLabel())));
    chunk->showValue(settings.clampedWordsPerChunk());
}

void SettingsControls::showSpeechEnabled(bool enabled) {
    const QSignalBlocker blocker(speech);
    speech->setChecked(enabled);
}

void SettingsControls::showVoices() {
    {
        const QSignalBlocker blocker(voice);
        voice->clear();
        voice->addItem(tr("Automatic — match text language"), QString());
        // The built-in voices first, then each module of the desktop's speech service under a
        // heading of its name.
        QStringList modules{QString()};
        for (const SpeechVoice& each : speechService_.availableVoices()) {
            if (!modules.contains(each.module)) {
                modules.append(each.module);
            }
        }
        auto* items = qobject_cast<QStandardItemModel*>(voice->model());
        for (const QString& module : modules) {
            if (!module.isEmpty()) {
                voice->insertSeparator(voice->count());
                voice->addItem(module);
                items->item(voice->count() - 1)->setEnabled(false);
            }
            for (const SpeechVoice& each : speechService_.availableVoices()) {
                if (each.module == module) {
                    voice->addItem(each.name + QStringLiteral(" — ") + each.language,
                                   each.identifier);
                }
            }
        }
    }
    showSelectedVoice();
}

void SettingsControls::showSelectedVoice() {
    const auto& selected = speechService_.selectedVoiceID();
    // A stored voice that is no longer installed shows as automatic.
    const int index = selected ? voice->findData(*selected) : 0;
    showIndex(*voice, index < 0 ? 0 : index);
}

} // namespace velora
