#include "ui/SettingsView.hpp"

#include "app/HotKeySetting.hpp"
#include "app/platform/DesktopShortcutSettings.hpp"
#include "ui/ReadingTab.hpp"
#include "ui/RhythmControls.hpp"
#include "ui/SettingsForm.hpp"
#include "ui/ShortcutRecorder.hpp"
#include "ui/StartAtLoginSwitch.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/Symbols.hpp"
#include "ui/TextStyle.hpp"
#include "ui/WheelGuard.hpp"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velora {

SettingsView::SettingsView(SpeechService& speech, HotKeySetting& shortcut, QWidget* parent)
    : QWidget(parent), hotKey_(shortcut),
      controls_(new SettingsControls(speech, SettingsControls::TransitionPicker::menu, this)),
      rhythmControls_(new RhythmControls(this)), tabs_(new QTabWidget(this)),
      reading_(new ReadingTab(*controls_, *rhythmControls_)) {
    resize(480, 380);
    setMinimumSize(400, 300);
    setWindowTitle(tr("VeloraMac Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    const QColor text = palette().color(QPalette::WindowText);
    tabs_->addTab(reading_, Symbols::icon("book", text), tr("Reading"));
    tabs_->addTab(voiceTab(), Symbols::icon("speaker.wave.2", text), tr("Voice"));
    tabs_->addTab(shortcutTab(), Symbols::icon("keyboard", text), tr("Shortcut"));
    tabs_->addTab(aboutTab(), Symbols::icon("info.circle", text), tr("About"));

    for (QWidget* each : findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractSlider*>(each) || qobject_cast<QComboBox*>(each) ||
            qobject_cast<QAbstractSpinBox*>(each)) {
            // The wheel changes a setting only once it is chosen; before, it scrolls the tab.
            each->setFocusPolicy(Qt::StrongFocus);
            WheelGuard::install(*each);
        }
    }

    connect(controls_, &SettingsControls::settingsEdited, this, &SettingsView::settingsEdited);
    connect(rhythmControls_, &RhythmControls::settingsEdited, this, &SettingsView::settingsEdited);
    connect(reading_, &ReadingTab::settingsEdited, this, &SettingsView::settingsEdited);
    connect(controls_, &SettingsControls::speechEnabledEdited, this,
            &SettingsView::speechEnabledEdited);
}

void SettingsView::showSettings(const ReadingSettings& settings) {
    controls_->showSettings(settings);
    rhythmControls_->showSettings(settings);
    reading_->showSettings(settings);
}

const std::array<QCheckBox*, 2>& SettingsView::playbackSwitches() const {
    return reading_->playbackSwitches();
}

void SettingsView::showSpeechEnabled(bool enabled) {
    controls_->showSpeechEnabled(enabled);
}

QWidget* SettingsView::voiceTab() {
    QGroupBox* speech = group(tr("Text-to-Speech"), nullptr);
    controls_->speech->setText(tr("Text-to-speech (audio-visual sync)"));
    form(speech)->addRow(controls_->speech);
    QGroupBox* voice = group({}, nullptr);
    form(voice)->addRow(tr("Voice"), controls_->voice);
    form(voice)->addRow(
        note(tr("On “Automatic”, the language of the text is detected and read with "
                "a matching voice — Turkish text gets a Turkish voice, not an English "
                "one. Voices run entirely on-device; for more natural ones, install "
                "Debian's mbrola package with voices such as mbrola-us1 or "
                "mbrola-de6."),
             voice));
    return page({speech, voice});
}

QWidget* SettingsView::shortcutTab() {
    QGroupBox* capture = group(tr("Global capture shortcut"), nullptr);
    shortcut_ = new QComboBox(capture);
    const auto& presets = HotKeyConfig::presets();
    for (const HotKeyConfig& preset : presets) {
        shortcut_->addItem(preset.display());
    }
    connect(shortcut_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            chooseShortcut(HotKeyConfig::presets()[static_cast<std::size_t>(index)]);
        }
    });
    recorder_ = new ShortcutRecorder(capture);
    connect(recorder_, &ShortcutRecorder::recorded, this,
            [this](QKeyCombination keys) { chooseShortcut(HotKeyConfig{keys}); });
    connect(recorder_, &ShortcutRecorder::rejected, this, [this] {
        shortcutStatus_->setText(tr("A shortcut needs Ctrl, Alt or Super with a "
                                    "letter, digit, Space or function key."));
    });
    shortcutStatus_ = note({}, capture);
    form(capture)->addRow(tr("Shortcut"), shortcut_);
    form(capture)->addRow(QString(), recorder_);
    form(capture)->addRow(shortcutStatus_);
    showShortcutStatus();
    connect(&hotKey_, &HotKeySetting::changed, this, &SettingsView::showShortcutStatus);
    form(capture)->addRow(
        note(tr("Select text in any app, then press this shortcut to start reading."), capture));
    QGroupBox* permissions = group(tr("Permissions"), nullptr);
    captureSupport_ = note({}, permissions);
    form(permissions)->addRow(captureSupport_);
    desktopShortcutButton_ = new QPushButton(permissions);
    desktopShortcutButton_->hide();
    connect(desktopShortcutButton_, &QPushButton::clicked, this,
            &SettingsView::addOrRemoveDesktopShortcut);
    form(permissions)->addRow(desktopShortcutButton_);
    startup_ = group(tr("Startup"), nullptr);
    startup_->hide();
    return page({capture, permissions, startup_});
}

void SettingsView::offerStartAtLogin(StartAtLogin& startAtLogin) {
    if (startAtLogin_ == nullptr) {
        startAtLogin_ = new StartAtLoginSwitch(startAtLogin, startup_);
        form(startup_)->addRow(startAtLogin_);
    }
    startup_->show();
}

void SettingsView::chooseShortcut(const HotKeyConfig& chosen) {
    if (chosen == hotKey_.config()) {
        return;
    }
    showInPicker(chosen);
    hotKey_.choose(chosen);
    // The offer to add the shortcut to the desktop's settings names the chord.
    showCaptureSupport(support_);
}

void SettingsView::showInPicker(const HotKeyConfig& shortcut) {
    const auto& presets = HotKeyConfig::presets();
    const auto preset = std::ranges::find(presets, shortcut);
    const QSignalBlocker quiet(shortcut_);
    // A recorded chord is no preset; the picker then names it without selecting any.
    shortcut_->setPlaceholderText(shortcut.display());
    shortcut_->setCurrentIndex(
        preset == presets.end() ? -1 : static_cast<int>(preset - presets.begin()));
}

void SettingsView::showShortcutStatus() {
    showInPicker(hotKey_.config());
    const QString display = hotKey_.display();
    shortcutStatus_->setText(
        hotKey_.isRegistered()
            ? tr("%1 is active.").arg(display)
            : tr("%1 is unavailable: another program holds it, or this session grabs no "
                 "keys. Choose or record another.")
                  .arg(display));
}

void SettingsView::showCaptureSupport(const CaptureSupport& support) {
    support_ = support;
    const QString waylandCapture =
        QLatin1Char(' ') + tr("When it is pressed, the reader comes to the front and reads the "
                              "text you selected; nothing is copied and no keys are sent.");
    desktopShortcutButton_->setVisible(support.desktopShortcut != nullptr);
    switch (support.route) {
    case ShortcutRoute::keyGrab:
        captureSupport_->setText(
            support.keyStrokes
                ? tr("Ready: X11 lets VeloraMac grab the shortcut and read the text "
                     "you select. Where no other program holds a selection it copies "
                     "with Ctrl+C, never in a terminal, where Ctrl+C would stop the "
                     "running job.")
                : tr("The shortcut works. This X server has no XTEST extension, so "
                     "only selected text is read, never copied text."));
        break;
    case ShortcutRoute::portal:
        captureSupport_->setText(
            tr("Wayland: the desktop binds the shortcut through its global shortcuts "
               "portal, which may ask you to confirm it or pick another chord.") +
            waylandCapture);
        break;
    case ShortcutRoute::kdeGlobalAccel:
        captureSupport_->setText(
            tr("Wayland: KDE Plasma holds the shortcut among its global shortcuts, "
               "where System Settings ▸ Keyboard ▸ Shortcuts can change it too.") +
            waylandCapture);
        break;
    case ShortcutRoute::gnomeCustomShortcut: {
        const auto bound = support.desktopShortcut->shortcut();
        captureSupport_->setText(
            (bound ? tr("Wayland: GNOME runs veloramac --read-selection on %1, a custom "
                        "shortcut in Settings ▸ Keyboard.")
                         .arg(*bound)
                   : tr("Wayland: GNOME lets no program grab a shortcut. Add one to "
                        "GNOME's custom keyboard shortcuts that runs veloramac "
                        "--read-selection; your other shortcuts are left as they "
                        "are.")) +
            waylandCapture);
        desktopShortcutButton_->setText(
            bound ? tr("Remove from GNOME's shortcuts")
                  : tr("Add %1 to GNOME's shortcuts").arg(hotKey_.config().display()));
        break;
    }
    case ShortcutRoute::desktopSettings:
        captureSupport_->setText(
            tr("This session (Wayland) lets no program grab a global shortcut or send key strokes. "
               "Bind the command veloramac --read-selection to a shortcut in your desktop's "
               "keyboard settings."));
        break;
    }
}

void SettingsView::addOrRemoveDesktopShortcut() {
    DesktopShortcutSettings* desktop = support_.desktopShortcut;
    if (!desktop) {
        return;
    }
    if (desktop->shortcut()) {
        desktop->remove();
    } else {
        desktop->add(hotKey_.config().keys);
    }
    showCaptureSupport(support_);
    hotKey_.desktopShortcutEdited();
}

QString SettingsView::shortcutStatusText() const {
    return shortcutStatus_->text();
}

QString SettingsView::captureSupportText() const {
    return captureSupport_->text();
}

QWidget* SettingsView::aboutTab() {
    auto* about = new QWidget;
    auto* column = new QVBoxLayout(about);
    column->setSpacing(10);
    column->addStretch();
    column->addWidget(SymbolLabel::mark(48, about), 0, Qt::AlignHCenter);
    column->addWidget(
        styledLabel(QStringLiteral("VeloraMac"), TextStyle::title2, Tone::primary, about, true), 0,
        Qt::AlignHCenter);
    column->addWidget(
        styledLabel(tr("100% private, on-device speed reading for the Linux desktop."),
                    TextStyle::callout, Tone::secondary, about),
        0, Qt::AlignHCenter);
    column->addWidget(
        styledLabel(tr("Focus · Flow · Spotlight"), TextStyle::caption, Tone::secondary, about), 0,
        Qt::AlignHCenter);
    column->addStretch();
    return about;
}

} // namespace velora
