#include "ui/ControlBar.hpp"

#include "ui/ChunkStepper.hpp"
#include "ui/EnumTitles.hpp"
#include "ui/SegmentedControl.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"
#include "ui/TrackSlider.hpp"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace velora {

namespace {

constexpr int transportIconSize = 22;
constexpr int playIconSize = 44;

SymbolButton* transportButton(const char* symbol, const QString& help, QWidget* parent) {
    return new SymbolButton(symbol, QPalette::ButtonText, help, transportIconSize, parent);
}

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int percentRead(double progress) {
    if (!(progress > 0.0)) {
        return 0;
    }
    // The tolerance keeps 29 of 100 words at 29%, not 28% from 0.29 * 100 = 28.999999999999996.
    return static_cast<int>(std::trunc(std::min(progress, 1.0) * 100.0 + 1e-9));
}

ControlBar::ControlBar(QWidget* parent)
    : QWidget(parent), scrubber_(new TrackSlider(this)),
      percent_(styledLabel(QStringLiteral("0%"), TextStyle::caption, Tone::secondary, this)),
      restart_(transportButton("backward.end.fill", tr("Restart"), this)),
      back_(transportButton("gobackward.10", tr("Back 10 words"), this)),
      play_(transportButton("play.circle.fill", tr("Play (Space)"), this)),
      forward_(transportButton("goforward.10", tr("Forward 10 words"), this)),
      speech_(transportButton("speaker.slash.fill", tr("Toggle speech"), this)),
      speed_(new SteppedSlider(double(ReadingSettings::minWPM), double(ReadingSettings::maxWPM),
                               double(ReadingSettings::wpmStep), this)),
      rate_(styledLabel({}, TextStyle::callout, Tone::primary, this, true)),
      multiplier_(styledLabel({}, TextStyle::caption, Tone::primary, this)),
      chunk_(new ChunkStepper(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);
    addModes(*column);
    addScrubber(*column);
    addTransport(*column);
    addTuning(*column);
    showSettings(ReadingSettings{});
}

void ControlBar::addModes(QVBoxLayout& column) {
    std::vector<SegmentedControl::Segment> modes;
    for (ReadingMode mode : allReadingModes) {
        modes.push_back({displayTitle(mode), std::string(symbolName(mode))});
    }
    modes_ = new SegmentedControl(modes, this);
    modes_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    column.addWidget(modes_, 0, Qt::AlignHCenter);
    connect(modes_, &SegmentedControl::indexChosen, this, [this](int index) {
        emit modeChosen(allReadingModes[static_cast<std::size_t>(index)]);
    });
}

void ControlBar::addScrubber(QVBoxLayout& column) {
    auto* scrubRow = new QHBoxLayout;
    scrubRow->setSpacing(10);
    scrubber_->setRange(0, scrubberSteps);
    scrubber_->setFocusPolicy(Qt::TabFocus);
    scrubber_->setAccessibleName(tr("Position in the text"));
    percent_->setFixedWidth(38);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scrubRow->addWidget(scrubber_, 1);
    scrubRow->addWidget(percent_);
    column.addLayout(scrubRow);
    connect(scrubber_, &QSlider::valueChanged, this,
            [this](int value) { emit seekRequested(double(value) / scrubberSteps); });
    connect(scrubber_, &QSlider::sliderPressed, this, &ControlBar::scrubStarted);
    connect(scrubber_, &QSlider::sliderReleased, this, &ControlBar::scrubEnded);
}

void ControlBar::addTransport(QVBoxLayout& column) {
    auto* transport = new QHBoxLayout;
    transport->setSpacing(22);
    transport->addStretch();
    play_->setIconSize(QSize(playIconSize, playIconSize));
    for (QToolButton* button : {restart_, back_, play_, forward_, speech_}) {
        transport->addWidget(button);
    }
    transport->addStretch();
    column.addLayout(transport);
    connect(restart_, &QToolButton::clicked, this, &ControlBar::restartRequested);
    connect(back_, &QToolButton::clicked, this, &ControlBar::stepBackwardRequested);
    connect(play_, &QToolButton::clicked, this, &ControlBar::playPauseRequested);
    connect(forward_, &QToolButton::clicked, this, &ControlBar::stepForwardRequested);
    connect(speech_, &QToolButton::clicked, this,
            [this] { emit speechEnabledEdited(!speechEnabled_); });
}

void ControlBar::addTuning(QVBoxLayout& column) {
    auto* speedRow = new QHBoxLayout;
    speedRow->setSpacing(12);
    speed_->setFocusPolicy(Qt::TabFocus);
    speed_->setAccessibleName(tr("Speed in words per minute"));
    rate_->setFixedWidth(92);
    rate_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    multiplier_->setFixedWidth(42);
    multiplier_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    speedRow->addWidget(new SymbolLabel("speedometer", QPalette::PlaceholderText, 16, this));
    speedRow->addWidget(speed_, 1);
    speedRow->addWidget(rate_);
    speedRow->addWidget(multiplier_);
    auto* tuning = new QVBoxLayout;
    tuning->setSpacing(10);
    tuning->addLayout(speedRow);
    tuning->addWidget(chunk_, 0, Qt::AlignHCenter);
    chunk_->setFocusPolicy(Qt::TabFocus);
    column.addLayout(tuning);
    connect(speed_, &SteppedSlider::valueEdited, this,
            [this](double rate) { emit settingsEdited(speedEdit(rate)); });
    connect(chunk_, &ChunkStepper::valueEdited, this,
            [this](int words) { emit settingsEdited(chunkEdit(words)); });
}

void ControlBar::showMode(ReadingMode mode) {
    modes_->showIndex(static_cast<int>(mode));
}

void ControlBar::showProgress(double progress) {
    const QSignalBlocker blocker(scrubber_);
    const double clamped = progress > 0.0 ? std::min(progress, 1.0) : 0.0;
    scrubber_->setValue(static_cast<int>(std::lround(clamped * scrubberSteps)));
    percent_->setText(QString::number(percentRead(progress)) + QLatin1Char('%'));
}

void ControlBar::showPlaying(bool playing) {
    playing_ = playing;
    play_->setHelp(playing ? tr("Pause (Space)") : tr("Play (Space)"));
    play_->setSymbol(playing ? "pause.circle.fill" : "play.circle.fill");
}

void ControlBar::showSpeechEnabled(bool enabled) {
    speechEnabled_ = enabled;
    showSpeechState();
}

void ControlBar::showSpeechProblem(const std::optional<QString>& problem) {
    speechProblem_ = problem;
    showSpeechState();
}

// A problem shows only while speech is on: off, nothing is missed.
void ControlBar::showSpeechState() {
    if (!speechEnabled_) {
        speech_->setSymbol("speaker.slash.fill");
        speech_->setHelp(tr("Toggle speech"));
    } else if (speechProblem_) {
        speech_->setSymbol("speaker.badge.exclamationmark.fill");
        // The speech engines give their reasons untranslated, as keys.
        speech_->setHelp(tr("Speech is unavailable: %1")
                             .arg(QCoreApplication::translate(
                                 "SpeechFailure", speechProblem_->toUtf8().constData())));
    } else {
        speech_->setSymbol("speaker.wave.2.fill");
        speech_->setHelp(tr("Toggle speech"));
    }
}

void ControlBar::showSettings(const ReadingSettings& settings) {
    speed_->showValue(double(settings.clampedWPM()));
    // Wide enough for the fastest speed as the user's language writes it in the font now in
    // use, so the row never jumps.
    rate_->setFixedWidth(std::max(
        92, rate_->fontMetrics().horizontalAdvance(tr("%1 WPM").arg(ReadingSettings::maxWPM)) + 8));
    rate_->setText(tr("%1 WPM").arg(settings.clampedWPM()));
    multiplier_->setText(qtext(settings.speedMultiplierLabel()));
    chunk_->showValue(settings.clampedWordsPerChunk());
}

void ControlBar::setThemePalette(const ThemePalette& palette) {
    QPalette colours = QWidget::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        colours.setColor(role, palette.text);
    }
    colours.setColor(QPalette::PlaceholderText, palette.dim);
    colours.setColor(QPalette::Highlight, palette.accent);
    colours.setColor(QPalette::HighlightedText, palette.onAccent());
    setPalette(colours);
    QPalette red = multiplier_->palette();
    red.setColor(QPalette::WindowText,
                 palette.legible(velora::palette(ReadingTheme::system, colours).pivot));
    multiplier_->setPalette(red);
}

std::vector<QWidget*> ControlBar::tabChain() const {
    std::vector<QWidget*> chain;
    for (ReadingMode mode : allReadingModes) {
        chain.push_back(&modeButton(mode));
    }
    chain.insert(chain.end(),
                 {scrubber_, restart_, back_, play_, forward_, speech_, speed_, chunk_});
    return chain;
}

QToolButton& ControlBar::modeButton(ReadingMode mode) const {
    return modes_->segment(static_cast<int>(mode));
}

} // namespace velora
