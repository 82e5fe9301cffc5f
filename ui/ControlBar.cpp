#include "ui/ControlBar.hpp"

#include "ui/ChunkStepper.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/Symbols.hpp"
#include "ui/TextStyle.hpp"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace velora {

namespace {

constexpr int transportIconSize = 22;
constexpr int playIconSize = 44;

QToolButton* plainButton(const QString& help, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(help);
    // Space belongs to the reader's play/pause, never to a focused button.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(transportIconSize, transportIconSize));
    return button;
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
    : QWidget(parent), scrubber_(new QSlider(Qt::Horizontal, this)),
      percent_(styledLabel(QStringLiteral("0%"), TextStyle::caption, Tone::secondary, this)),
      restart_(plainButton(QStringLiteral("Restart"), this)),
      back_(plainButton(QStringLiteral("Back 10 words"), this)),
      play_(plainButton(QStringLiteral("Play (Space)"), this)),
      forward_(plainButton(QStringLiteral("Forward 10 words"), this)),
      speech_(plainButton(QStringLiteral("Toggle speech"), this)),
      speed_(new SteppedSlider(double(ReadingSettings::minWPM), double(ReadingSettings::maxWPM),
                               double(ReadingSettings::wpmStep), this)),
      rate_(styledLabel({}, TextStyle::callout, Tone::primary, this, true)),
      multiplier_(styledLabel({}, TextStyle::caption, Tone::primary, this)),
      chunk_(new ChunkStepper(this)), speedometer_(new QLabel(this)),
      palette_(velora::palette(ReadingTheme::system, QWidget::palette())) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(14);

    auto* modeRow = new QHBoxLayout;
    modeRow->setSpacing(0);
    modeRow->addStretch();
    auto* group = new QButtonGroup(this);
    for (ReadingMode mode : allReadingModes) {
        auto* button = new QToolButton(this);
        button->setText(qtext(title(mode)));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        group->addButton(button, static_cast<int>(mode));
        modeRow->addWidget(button);
        modes_[static_cast<std::size_t>(mode)] = button;
    }
    modeRow->addStretch();
    column->addLayout(modeRow);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { emit modeChosen(allReadingModes[static_cast<std::size_t>(id)]); });

    auto* scrubRow = new QHBoxLayout;
    scrubRow->setSpacing(10);
    scrubber_->setRange(0, scrubberSteps);
    scrubber_->setFocusPolicy(Qt::NoFocus);
    percent_->setFixedWidth(38);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scrubRow->addWidget(scrubber_, 1);
    scrubRow->addWidget(percent_);
    column->addLayout(scrubRow);
    connect(scrubber_, &QSlider::valueChanged, this,
            [this](int value) { emit seekRequested(double(value) / scrubberSteps); });

    auto* transport = new QHBoxLayout;
    transport->setSpacing(22);
    transport->addStretch();
    play_->setIconSize(QSize(playIconSize, playIconSize));
    for (QToolButton* button : {restart_, back_, play_, forward_, speech_}) {
        transport->addWidget(button);
    }
    transport->addStretch();
    column->addLayout(transport);
    connect(restart_, &QToolButton::clicked, this, &ControlBar::restartRequested);
    connect(back_, &QToolButton::clicked, this, &ControlBar::stepBackwardRequested);
    connect(play_, &QToolButton::clicked, this, &ControlBar::playPauseRequested);
    connect(forward_, &QToolButton::clicked, this, &ControlBar::stepForwardRequested);
    connect(speech_, &QToolButton::clicked, this,
            [this] { emit speechEnabledEdited(!speechEnabled_); });

    auto* speedRow = new QHBoxLayout;
    speedRow->setSpacing(12);
    speed_->setFocusPolicy(Qt::NoFocus);
    rate_->setFixedWidth(92);
    rate_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    multiplier_->setFixedWidth(42);
    multiplier_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    speedRow->addWidget(speedometer_);
    speedRow->addWidget(speed_, 1);
    speedRow->addWidget(rate_);
    speedRow->addWidget(multiplier_);
    auto* tuning = new QVBoxLayout;
    tuning->setSpacing(10);
    tuning->addLayout(speedRow);
    tuning->addWidget(chunk_, 0, Qt::AlignHCenter);
    column->addLayout(tuning);
    connect(speed_, &SteppedSlider::valueEdited, this, [this](double rate) {
        const auto wpm = static_cast<std::int64_t>(std::trunc(rate));
        emit settingsEdited([wpm](ReadingSettings& s) { s.wpm = wpm; });
    });
    connect(chunk_, &ChunkStepper::valueEdited, this, [this](int words) {
        emit settingsEdited([words](ReadingSettings& s) { s.wordsPerChunk = words; });
    });

    showSettings(ReadingSettings{});
    setThemePalette(palette_);
}

void ControlBar::showMode(ReadingMode mode) {
    for (ReadingMode each : allReadingModes) {
        modes_[static_cast<std::size_t>(each)]->setChecked(each == mode);
    }
}

void ControlBar::showProgress(double progress) {
    const QSignalBlocker blocker(scrubber_);
    const double clamped = progress > 0.0 ? std::min(progress, 1.0) : 0.0;
    scrubber_->setValue(static_cast<int>(std::lround(clamped * scrubberSteps)));
    percent_->setText(QString::number(percentRead(progress)) + QLatin1Char('%'));
}

void ControlBar::showPlaying(bool playing) {
    playing_ = playing;
    play_->setToolTip(playing ? QStringLiteral("Pause (Space)") : QStringLiteral("Play (Space)"));
    updateIcons();
}

void ControlBar::showSpeechEnabled(bool enabled) {
    speechEnabled_ = enabled;
    updateIcons();
}

void ControlBar::showSettings(const ReadingSettings& settings) {
    speed_->showValue(double(settings.clampedWPM()));
    rate_->setText(QString::number(settings.clampedWPM()) + QStringLiteral(" WPM"));
    multiplier_->setText(qtext(settings.speedMultiplierLabel()));
    chunk_->showValue(settings.clampedWordsPerChunk());
}

void ControlBar::setThemePalette(const ThemePalette& palette) {
    palette_ = palette;
    QPalette colours = QWidget::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        colours.setColor(role, palette.text);
    }
    colours.setColor(QPalette::PlaceholderText, palette.dim);
    colours.setColor(QPalette::Highlight, palette.accent);
    setPalette(colours);
    QPalette red = multiplier_->palette();
    red.setColor(QPalette::WindowText, velora::palette(ReadingTheme::system, colours).pivot);
    multiplier_->setPalette(red);
    updateIcons();
}

QToolButton& ControlBar::modeButton(ReadingMode mode) const {
    return *modes_[static_cast<std::size_t>(mode)];
}

void ControlBar::updateIcons() {
    const QColor text = palette_.text;
    for (ReadingMode mode : allReadingModes) {
        modes_[static_cast<std::size_t>(mode)]->setIcon(Symbols::icon(symbolName(mode), text));
    }
    restart_->setIcon(Symbols::icon("backward.end.fill", text));
    back_->setIcon(Symbols::icon("gobackward.10", text));
    play_->setIcon(Symbols::icon(playing_ ? "pause.circle.fill" : "play.circle.fill", text));
    play_->setObjectName(playing_ ? QStringLiteral("pause.circle.fill")
                                  : QStringLiteral("play.circle.fill"));
    forward_->setIcon(Symbols::icon("goforward.10", text));
    const char* speaker = speechEnabled_ ? "speaker.wave.2.fill" : "speaker.slash.fill";
    speech_->setIcon(Symbols::icon(speaker, text));
    speech_->setObjectName(QString::fromLatin1(speaker));
    speedometer_->setPixmap(
        Symbols::pixmap("speedometer", QSize(16, 16), palette_.dim, devicePixelRatioF()));
}

} // namespace velora
