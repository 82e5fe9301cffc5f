#pragma once

#include "shell/BusName.hpp"

#include <QDBusConnection>
#include <QLatin1String>
#include <QObject>
#include <QVariantMap>
#include <cstdint>
#include <functional>
#include <optional>

namespace velora {

class MediaPlayerControls;
class ReaderViewModel;

// The reader as a media player of the desktop, so that media keys, the desktop's media widget
// and command-line players drive reading. Times are reading times at the current speed; the
// next and previous tracks are the next and previous sentences.
class MediaPlayerService final : public QObject {
    Q_OBJECT

public:
    static constexpr QLatin1String serviceName{"org.mpris.MediaPlayer2.veloramac"};
    static constexpr QLatin1String objectPath{"/org/mpris/MediaPlayer2"};
    static constexpr QLatin1String rootInterface{"org.mpris.MediaPlayer2"};
    static constexpr QLatin1String playerInterface{"org.mpris.MediaPlayer2.Player"};

    MediaPlayerService(ReaderViewModel& reader, std::function<void()> raise,
                       QObject* parent = nullptr);
    // Exports the player and takes its name; false when either fails, leaving nothing behind.
    bool registerOn(QDBusConnection& bus);

    ReaderViewModel& reader() { return reader_; }
    void raise();

    // Microseconds of reading, at the current speed, before the word at `index`.
    std::int64_t microseconds(std::int64_t index) const;
    // The word that many microseconds of reading in, clamped to the text.
    std::int64_t wordAt(std::int64_t microseconds) const;
    std::int64_t position() const;
    // Names the loaded text, so that a position set for another one is told apart.
    QString trackId() const;

private:
    // The player's properties that change, each under its D-Bus name; Position is left out, as
    // players announce only its jumps.
    QVariantMap playerProperties() const;
    void announceChanges();

    ReaderViewModel& reader_;
    std::function<void()> raise_;
    MediaPlayerControls* controls_;
    BusName name_;
    QVariantMap announced_;
};

} // namespace velora
