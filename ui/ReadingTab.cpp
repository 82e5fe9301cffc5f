#include "ui/ReadingTab.hpp"

#include "ui/ChunkStepper.hpp"
#include "ui/RhythmControls.hpp"
#include "ui/SettingsForm.hpp"
#include "ui/SettingsView.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/TextStyle.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace velora {

namespace {

constexpr std::array pauseFields{&ReadingSettings::minorPauseMultiplier,
                                 &ReadingSettings::majorPauseMultiplier,
                                 &ReadingSettings::paragraphPauseMultiplier};
constexpr std::array<bool ReadingSettings::*, 2> switchFields{
    &ReadingSettings::speedRamp, &ReadingSettings::resumeAtSentenceStart};

} // namespace

ReadingTab::ReadingTab(SettingsControls& controls, RhythmControls& rhythm, QWidget* parent)
    : QScrollArea(parent) {
    fillPage(*this, {appearance(controls, rhythm), speed(controls), pauses(rhythm)});
}

void ReadingTab::showSettings(const ReadingSettings& settings) {
    for (std::size_t i = 0; i < pauses_.size(); ++i) {
        pauses_[i].slider->showValue(settings.*pauseFields[i]);
        pauses_[i].value->setText(multiplierText(pauses_[i].slider->currentValue()));
    }
    for (std::size_t i = 0; i < switches_.size(); ++i) {
        const QSignalBlocker blocker(switches_[i]);
        switches_[i]->setChecked(settings.*switchFields[i]);
    }
}

QWidget* ReadingTab::appearance(SettingsControls& c, RhythmControls& r) {
    QGroupBox* appearance = group(SettingsView::tr("Appearance"), nullptr);
    form(appearance)->addRow(SettingsView::tr("Theme"), c.theme);
    form(appearance)->addRow(SettingsView::tr("Focus transition"), c.transitionMenu);
    form(appearance)->addRow(c.pivot);
    auto* size = new QHBoxLayout;
    size->addWidget(c.textSize, 1);
    size->addWidget(c.textSizeValue);
    form(appearance)->addRow(SettingsView::tr("Text size"), size);
    form(appearance)->addRow(SettingsView::tr("Reading font"), r.font);
    form(appearance)->addRow(r.dyslexicFont);
    return appearance;
}

QWidget* ReadingTab::speed(SettingsControls& c) {
    QGroupBox* speed = group(SettingsView::tr("Speed"), nullptr);
    form(speed)->addRow(SettingsView::tr("Default speed"), c.speedValue);
    auto* slider = new QHBoxLayout;
    slider->addWidget(c.speedMinimum);
    slider->addWidget(c.speed, 1);
    slider->addWidget(c.speedMaximum);
    form(speed)->addRow(slider);
    form(speed)->addRow(c.chunk);
    switches_ = {
        playbackSwitch(SettingsView::tr("Ease into the speed at every start"), switchFields[0]),
        playbackSwitch(SettingsView::tr("Resume at the start of the sentence"), switchFields[1])};
    for (QCheckBox* each : switches_) {
        form(speed)->addRow(each);
    }
    return speed;
}

QWidget* ReadingTab::pauses(RhythmControls& r) {
    QGroupBox* rhythm = group(SettingsView::tr("Rhythm pauses"), nullptr);
    const std::array<std::pair<QString, double>, 3> rows{
        {{SettingsView::tr("Comma / clause"), 2.5},
         {SettingsView::tr("Sentence end"), 2.5},
         {SettingsView::tr("Paragraph end"), 3.0}}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        pauses_[i] = pauseControl(rows[i].second, pauseFields[i]);
        auto* row = new QHBoxLayout;
        row->addWidget(pauses_[i].slider, 1);
        row->addWidget(pauses_[i].value);
        form(rhythm)->addRow(rows[i].first, row);
    }
    form(rhythm)->addRow(r.rhythm);
    form(rhythm)->addRow(r.split, r.splitLength);
    form(rhythm)->addRow(r.blankBeat, r.blankBeatPercent);
    return rhythm;
}

QCheckBox* ReadingTab::playbackSwitch(const QString& title, bool ReadingSettings::*field) {
    auto* box = new QCheckBox(title);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        emit settingsEdited([field, on](ReadingSettings& s) { s.*field = on; });
    });
    return box;
}

ReadingTab::PauseControl ReadingTab::pauseControl(double maximum, double ReadingSettings::*field) {
    PauseControl control{new SteppedSlider(1.0, maximum, 0.1),
                         styledLabel({}, TextStyle::callout, Tone::secondary, nullptr)};
    control.value->setFixedWidth(44);
    control.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(control.slider, &SteppedSlider::valueEdited, this, [this, field](double multiplier) {
        emit settingsEdited([field, multiplier](ReadingSettings& s) { s.*field = multiplier; });
    });
    return control;
}

} // namespace velora
