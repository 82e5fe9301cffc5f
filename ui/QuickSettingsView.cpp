#include "ui/QuickSettingsView.hpp"

#include "app/SpeechService.hpp"
#include "ui/Card.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/RhythmControls.hpp"
#include "ui/SegmentedControl.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/TextStyle.hpp"
#include "ui/ThemeSwatches.hpp"
#include "ui/WheelGuard.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace velora {

namespace {

QVBoxLayout* addSection(QVBoxLayout& column, const QString& heading, QWidget* parent) {
    auto* section = new QVBoxLayout;
    section->setSpacing(10);
    section->addWidget(
        styledLabel(heading.toUpper(), TextStyle::caption, Tone::secondary, parent, true));
    column.addLayout(section);
    return section;
}

QLabel* noteLabel(const QString& text, QWidget* parent) {
    QLabel* label = styledLabel(text, TextStyle::caption, Tone::secondary, parent);
    label->setWordWrap(true);
    return label;
}

QString description(WordTransition transition) {
    switch (transition) {
    case WordTransition::hard:
        return QuickSettingsView::tr("Instant swap — classic RSVP.");
    case WordTransition::slow:
        return QuickSettingsView::tr("Slower fade + gentle zoom for a calmer pace.");
    case WordTransition::soft:
        break;
    }
    return QuickSettingsView::tr("Quick cross-fade so each word clearly arrives.");
}

} // namespace

QString languageName(const QString& code) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(code.toStdString(), status);
    icu::UnicodeString name;
    if (U_SUCCESS(status) && !locale.isBogus() && locale.getLanguage()[0] != '\0') {
        locale.getDisplayLanguage(icu::Locale::getDefault(), name);
    }
    QString text = QString(reinterpret_cast<const QChar*>(name.getBuffer()), name.length());
    // ICU echoes the code back when it knows no name for it.
    if (text.isEmpty() ||
        text.compare(QString::fromLatin1(locale.getLanguage()), Qt::CaseInsensitive) == 0) {
        return code.toUpper();
    }
    text[0] = text[0].toUpper();
    return text;
}

QString voiceHint(bool speechEnabled, const std::optional<QString>& selectedVoiceID,
                  const std::optional<QString>& detectedLanguage) {
    if (!speechEnabled) {
        return QuickSettingsView::tr("Speech is off — reading is purely visual.");
    }
    if (selectedVoiceID) {
        return QuickSettingsView::tr(
            "Using the voice you picked, regardless of the text's language.");
    }
    if (detectedLanguage) {
        const QString name = languageName(*detectedLanguage);
        return QuickSettingsView::tr("Detected %1 — reading it with a %1 voice.").arg(name);
    }
    return QuickSettingsView::tr(
        "The text's language is detected automatically and read with a matching voice.");
}

QuickSettingsView::QuickSettingsView(SpeechService& speech, QWidget* parent)
    : QWidget(parent), speech_(speech),
      controls_(new SettingsControls(speech, SettingsControls::TransitionPicker::segments, this)),
      rhythmControls_(new RhythmControls(this)), swatches_(new ThemeSwatches(this)),
      close_(new SymbolButton("xmark.circle.fill", QPalette::PlaceholderText,
                              tr("Close settings (Esc)"), 20, this)),
      transitionDescription_(noteLabel({}, this)), voiceHint_(noteLabel({}, this)),
      allSettings_(new QPushButton(tr("All Settings…"), this)) {
    decorateCard(*this, 420, 460);
    const CardBody body = layOutCard(*this, "slider.horizontal.3", tr("Settings"), close_);
    adoptControls(*body.content);
    addAppearance(*body.column, *body.content);
    addFocusMode(*body.column, *body.content);
    addSpeed(*body.column, *body.content);
    addVoice(*body.column, *body.content);
    // On a desktop without a tray this is the only way on to the shortcut and the rest.
    allSettings_->setParent(body.content);
    allSettings_->setFocusPolicy(Qt::TabFocus);
    body.column->addWidget(allSettings_, 0, Qt::AlignLeft);
    body.column->addStretch();
    connectEdits();
    showSpeechEnabled(false);
}

void QuickSettingsView::adoptControls(QWidget& content) {
    SettingsControls& c = *controls_;
    for (QWidget* each : std::initializer_list<QWidget*>{
             c.theme, c.transitionSegments, c.pivot, c.textSize, c.textSizeValue, c.speed,
             c.speedValue, c.speedMinimum, c.speedMaximum, c.chunk, c.speech, c.voice}) {
        each->setParent(&content);
    }
    const RhythmControls& r = *rhythmControls_;
    const std::initializer_list<QWidget*> rhythmParts{
        r.font, r.dyslexicFont, r.rhythm, r.split, r.splitLength, r.blankBeat, r.blankBeatPercent};
    for (QWidget* each : rhythmParts) {
        each->setParent(&content);
        each->setFocusPolicy(Qt::TabFocus);
        WheelGuard::install(*each);
    }
    swatches_->setParent(&content);
    // Chosen with Tab only, so that a click leaves the reader's keys with the reader.
    for (QWidget* each : std::initializer_list<QWidget*>{c.theme, c.pivot, c.textSize, c.speed,
                                                         c.chunk, c.speech, c.voice}) {
        each->setFocusPolicy(Qt::TabFocus);
        WheelGuard::install(*each);
    }
    transitionDescription_->setParent(&content);
    voiceHint_->setParent(&content);
}

void QuickSettingsView::addAppearance(QVBoxLayout& column, QWidget& content) {
    SettingsControls& c = *controls_;
    QVBoxLayout* appearance = addSection(column, tr("Appearance"), &content);
    auto* themeRow = new QHBoxLayout;
    themeRow->addWidget(new QLabel(tr("Theme"), &content));
    themeRow->addWidget(c.theme, 1);
    appearance->addLayout(themeRow);
    appearance->addWidget(swatches_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(tr("Text size"), &content));
    sizeRow->addWidget(c.textSize, 1);
    sizeRow->addWidget(c.textSizeValue);
    appearance->addLayout(sizeRow);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(tr("Reading font"), &content));
    fontRow->addWidget(rhythmControls_->font, 1);
    appearance->addLayout(fontRow);
    appearance->addWidget(rhythmControls_->dyslexicFont);
}

void QuickSettingsView::addFocusMode(QVBoxLayout& column, QWidget& content) {
    SettingsControls& c = *controls_;
    QVBoxLayout* focus = addSection(column, tr("Focus mode"), &content);
    focus->addWidget(c.transitionSegments);
    c.transitionSegments->setToolTip(tr("Word transition"));
    focus->addWidget(transitionDescription_);
    focus->addWidget(c.pivot);
    focus->addWidget(
        noteLabel(tr("The Optimal Recognition Point is the single letter your eye locks onto "
                     "so a flashed word is recognised without moving. Turn it off for a plain, "
                     "single-colour word."),
                  &content));
}

void QuickSettingsView::addSpeed(QVBoxLayout& column, QWidget& content) {
    SettingsControls& c = *controls_;
    const RhythmControls& r = *rhythmControls_;
    QVBoxLayout* speed = addSection(column, tr("Speed"), &content);
    speed->addWidget(c.speedValue);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(c.speedMinimum);
    sliderRow->addWidget(c.speed, 1);
    sliderRow->addWidget(c.speedMaximum);
    speed->addLayout(sliderRow);
    speed->addWidget(c.chunk);
    speed->addWidget(r.rhythm);
    for (const auto& [toggle, amount] :
         {std::pair{r.split, r.splitLength}, std::pair{r.blankBeat, r.blankBeatPercent}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(toggle);
        row->addWidget(amount, 1);
        speed->addLayout(row);
    }
}

void QuickSettingsView::addVoice(QVBoxLayout& column, QWidget& content) {
    SettingsControls& c = *controls_;
    QVBoxLayout* voice = addSection(column, tr("Voice"), &content);
    c.speech->setText(tr("Text-to-speech"));
    voice->addWidget(c.speech);
    auto* voiceRow = new QHBoxLayout;
    voiceRow->addWidget(new QLabel(tr("Voice"), &content));
    voiceRow->addWidget(c.voice, 1);
    voice->addLayout(voiceRow);
    voice->addWidget(voiceHint_);
}

void QuickSettingsView::connectEdits() {
    connect(controls_, &SettingsControls::settingsEdited, this, &QuickSettingsView::settingsEdited);
    connect(rhythmControls_, &RhythmControls::settingsEdited, this,
            &QuickSettingsView::settingsEdited);
    connect(controls_, &SettingsControls::speechEnabledEdited, this,
            &QuickSettingsView::speechEnabledEdited);
    connect(swatches_, &ThemeSwatches::themeChosen, this, [this](ReadingTheme theme) {
        emit settingsEdited([theme](ReadingSettings& s) { s.theme = theme; });
    });
    connect(close_, &QToolButton::clicked, this, &QuickSettingsView::closeRequested);
    connect(allSettings_, &QPushButton::clicked, this, &QuickSettingsView::allSettingsRequested);
    connect(&speech_, &SpeechService::selectedVoiceIDChanged, this,
            &QuickSettingsView::updateVoiceHint);
    connect(&speech_, &SpeechService::detectedLanguageChanged, this,
            &QuickSettingsView::updateVoiceHint);
}

void QuickSettingsView::showSettings(const ReadingSettings& settings) {
    controls_->showSettings(settings);
    rhythmControls_->showSettings(settings);
    swatches_->showTheme(settings.theme);
    transitionDescription_->setText(description(settings.transition));
}

void QuickSettingsView::showSpeechEnabled(bool enabled) {
    speechEnabled_ = enabled;
    controls_->showSpeechEnabled(enabled);
    controls_->voice->setEnabled(enabled);
    updateVoiceHint();
}

std::vector<QWidget*> QuickSettingsView::tabChain() const {
    const SettingsControls& c = *controls_;
    std::vector<QWidget*> chain{close_, c.theme};
    for (ReadingTheme theme : allReadingThemes) {
        chain.push_back(swatches_->swatch(theme));
    }
    chain.push_back(c.textSize);
    chain.push_back(rhythmControls_->font);
    chain.push_back(rhythmControls_->dyslexicFont);
    for (std::size_t i = 0; i < allWordTransitions.size(); ++i) {
        chain.push_back(&c.transitionSegments->segment(static_cast<int>(i)));
    }
    const RhythmControls& r = *rhythmControls_;
    chain.insert(chain.end(), {c.pivot, c.speed, c.chunk, r.rhythm, r.split, r.splitLength,
                               r.blankBeat, r.blankBeatPercent, c.speech, c.voice, allSettings_});
    return chain;
}

QString QuickSettingsView::transitionDescription() const {
    return transitionDescription_->text();
}

QString QuickSettingsView::voiceHintText() const {
    return voiceHint_->text();
}

void QuickSettingsView::updateVoiceHint() {
    voiceHint_->setText(
        voiceHint(speechEnabled_, speech_.selectedVoiceID(), speech_.detectedLanguage()));
}

void QuickSettingsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCard(*this, painter);
}

} // namespace velora
