#include "ui/ReaderBindings.hpp"

#include "app/ReaderViewModel.hpp"
#include "ui/ControlBar.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/SettingsView.hpp"

#include <algorithm>

namespace velora {

namespace {

void applyEdit(ReaderViewModel& vm, const SettingsEdit& edit) {
    ReadingSettings settings = vm.settings();
    edit(settings);
    vm.setSettings(settings);
}

// The settings views share the same three connections.
template <typename View> void bindSettings(View& view, ReaderViewModel& vm) {
    QObject::connect(&view, &View::settingsEdited, &vm,
                     [&vm](const SettingsEdit& edit) { applyEdit(vm, edit); });
    QObject::connect(&view, &View::speechEnabledEdited, &vm, &ReaderViewModel::setSpeechEnabled);
    QObject::connect(&vm, &ReaderViewModel::settingsChanged, &view,
                     [&view, &vm] { view.showSettings(vm.settings()); });
    QObject::connect(&vm, &ReaderViewModel::speechEnabledChanged, &view,
                     [&view, &vm] { view.showSpeechEnabled(vm.speechEnabled()); });
    view.showSettings(vm.settings());
    view.showSpeechEnabled(vm.speechEnabled());
}

} // namespace

void bind(ControlBar& bar, ReaderViewModel& vm) {
    bindSettings(bar, vm);
    QObject::connect(&bar, &ControlBar::modeChosen, &vm, &ReaderViewModel::setMode);
    QObject::connect(&bar, &ControlBar::seekRequested, &vm, &ReaderViewModel::seek);
    QObject::connect(&bar, &ControlBar::scrubStarted, &vm, &ReaderViewModel::beginScrub);
    QObject::connect(&bar, &ControlBar::scrubEnded, &vm, &ReaderViewModel::endScrub);
    QObject::connect(&bar, &ControlBar::restartRequested, &vm, &ReaderViewModel::restart);
    QObject::connect(&bar, &ControlBar::stepBackwardRequested, &vm, &ReaderViewModel::stepBackward);
    QObject::connect(&bar, &ControlBar::stepForwardRequested, &vm, &ReaderViewModel::stepForward);
    QObject::connect(&bar, &ControlBar::playPauseRequested, &vm, [&vm] { togglePlayback(vm); });
    QObject::connect(&vm, &ReaderViewModel::modeChanged, &bar,
                     [&bar, &vm] { bar.showMode(vm.mode()); });
    QObject::connect(&vm, &ReaderViewModel::engineChanged, &bar,
                     [&bar, &vm] { bar.showProgress(vm.engine().progress()); });
    QObject::connect(&vm, &ReaderViewModel::isPlayingChanged, &bar,
                     [&bar, &vm] { bar.showPlaying(vm.isPlaying()); });
    QObject::connect(&vm, &ReaderViewModel::speechProblemChanged, &bar,
                     [&bar, &vm] { bar.showSpeechProblem(vm.speechProblem()); });
    bar.showMode(vm.mode());
    bar.showProgress(vm.engine().progress());
    bar.showPlaying(vm.isPlaying());
    bar.showSpeechProblem(vm.speechProblem());
}

void togglePlayback(ReaderViewModel& vm) {
    if (vm.isPlaying()) {
        vm.pause();
    } else {
        vm.play();
    }
}

void changeSpeed(ReaderViewModel& vm, std::int64_t by) {
    ReadingSettings settings = vm.settings();
    settings.wpm =
        std::clamp(settings.clampedWPM() + by, ReadingSettings::minWPM, ReadingSettings::maxWPM);
    vm.setSettings(settings);
}

void bind(QuickSettingsView& card, ReaderViewModel& vm) {
    bindSettings(card, vm);
}

void bind(SettingsView& window, ReaderViewModel& vm) {
    bindSettings(window, vm);
}

} // namespace velora
