#include "shell/MediaPlayerControls.hpp"

#include "app/ReaderViewModel.hpp"
#include "shell/MediaPlayerService.hpp"

#include <algorithm>
#include <cmath>

namespace velora {

MediaPlayerControls::MediaPlayerControls(MediaPlayerService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

QString MediaPlayerControls::playbackStatus() const {
    const ReaderViewModel& reader = service_.reader();
    if (reader.isPlaying()) {
        return QStringLiteral("Playing");
    }
    const ReaderEngine& engine = reader.engine();
    // Nothing begun or all read: playing starts from the first word.
    return engine.index() == 0 || engine.isAtEnd() ? QStringLiteral("Stopped")
                                                   : QStringLiteral("Paused");
}

double MediaPlayerControls::rate() const {
    return service_.reader().settings().speedMultiplier();
}

void MediaPlayerControls::setRate(double rate) {
    if (!std::isfinite(rate) || rate <= 0) {
        return;
    }
    ReadingSettings settings = service_.reader().settings();
    const double wpm = rate * static_cast<double>(ReadingSettings::baselineWPM);
    const double steps = std::round(wpm / static_cast<double>(ReadingSettings::wpmStep));
    settings.wpm = std::clamp(static_cast<std::int64_t>(steps) * ReadingSettings::wpmStep,
                              ReadingSettings::minWPM, ReadingSettings::maxWPM);
    service_.reader().setSettings(settings);
}

QVariantMap MediaPlayerControls::metadata() const {
    const ReaderViewModel& reader = service_.reader();
    return {
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(service_.trackId()))},
        {QStringLiteral("xesam:title"), QString::fromStdString(reader.title())},
        {QStringLiteral("mpris:length"),
         QVariant::fromValue(qlonglong(service_.microseconds(reader.engine().count())))},
    };
}

qlonglong MediaPlayerControls::position() const {
    return service_.position();
}

double MediaPlayerControls::minimumRate() const {
    return static_cast<double>(ReadingSettings::minWPM) /
           static_cast<double>(ReadingSettings::baselineWPM);
}

double MediaPlayerControls::maximumRate() const {
    return static_cast<double>(ReadingSettings::maxWPM) /
           static_cast<double>(ReadingSettings::baselineWPM);
}

bool MediaPlayerControls::canGoNext() const {
    return !service_.reader().engine().isAtEnd();
}

bool MediaPlayerControls::canGoPrevious() const {
    return service_.reader().engine().index() > 0;
}

bool MediaPlayerControls::canPlay() const {
    return !service_.reader().engine().isEmpty();
}

bool MediaPlayerControls::canPause() const {
    return canPlay();
}

bool MediaPlayerControls::canSeek() const {
    return canPlay();
}

void MediaPlayerControls::Next() {
    service_.reader().nextSentence();
}

void MediaPlayerControls::Previous() {
    service_.reader().previousSentence();
}

void MediaPlayerControls::Pause() {
    service_.reader().pause();
}

void MediaPlayerControls::PlayPause() {
    ReaderViewModel& reader = service_.reader();
    if (reader.isPlaying()) {
        reader.pause();
    } else {
        reader.play();
    }
}

void MediaPlayerControls::Stop() {
    service_.reader().restart();
}

void MediaPlayerControls::Play() {
    service_.reader().play();
}

void MediaPlayerControls::Seek(qlonglong offset) {
    // Clamped far beyond any text's length, so that the sum cannot overflow.
    constexpr qlonglong limit = 1LL << 53;
    // Past the end there is no next text to go on with, so reading stops there.
    service_.reader().goTo(
        service_.wordAt(service_.position() + std::clamp(offset, -limit, limit)));
}

void MediaPlayerControls::SetPosition(const QDBusObjectPath& trackId, qlonglong position) {
    // A position meant for an earlier text, or outside this one, is ignored.
    if (trackId.path() != service_.trackId() || position < 0 ||
        position > service_.microseconds(service_.reader().engine().count())) {
        return;
    }
    service_.reader().goTo(service_.wordAt(position));
}

} // namespace velora
