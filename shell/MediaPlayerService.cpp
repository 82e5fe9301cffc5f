#include "shell/MediaPlayerService.hpp"

#include "app/ReaderViewModel.hpp"
#include "shell/MediaPlayerControls.hpp"
#include "shell/MediaPlayerRoot.hpp"

#include <QMetaProperty>
#include <cmath>

namespace velora {

namespace {

constexpr double microsecondsPerMinute = 60e6;

} // namespace

MediaPlayerService::MediaPlayerService(ReaderViewModel& reader, std::function<void()> raise,
                                       QObject* parent)
    : QObject(parent), reader_(reader), raise_(std::move(raise)),
      controls_(new MediaPlayerControls(*this)) {
    new MediaPlayerRoot(*this);
    announced_ = playerProperties();
    for (auto change : {&ReaderViewModel::engineChanged, &ReaderViewModel::isPlayingChanged,
                        &ReaderViewModel::settingsChanged}) {
        connect(&reader_, change, this, &MediaPlayerService::announceChanges);
    }
    connect(&reader_, &ReaderViewModel::positionJumped, this,
            [this] { emit controls_->Seeked(position()); });
}

bool MediaPlayerService::registerOn(QDBusConnection& bus) {
    return name_.take(bus, serviceName, objectPath, this, QDBusConnection::ExportAdaptors);
}

void MediaPlayerService::raise() {
    if (raise_) {
        raise_();
    }
}

std::int64_t MediaPlayerService::microseconds(std::int64_t index) const {
    return std::llround(static_cast<double>(index) * microsecondsPerMinute /
                        static_cast<double>(reader_.settings().clampedWPM()));
}

std::int64_t MediaPlayerService::wordAt(std::int64_t microseconds) const {
    const double words = static_cast<double>(microseconds) *
                         static_cast<double>(reader_.settings().clampedWPM()) /
                         microsecondsPerMinute;
    if (!(words > 0)) {
        return 0;
    }
    const double count = static_cast<double>(reader_.engine().count());
    return words >= count ? reader_.engine().count() : std::llround(words);
}

std::int64_t MediaPlayerService::position() const {
    return microseconds(reader_.engine().index());
}

QString MediaPlayerService::trackId() const {
    return QStringLiteral("/org/veloramac/VeloraMac/text/%1").arg(reader_.loadCount());
}

QVariantMap MediaPlayerService::playerProperties() const {
    QVariantMap properties;
    const QMetaObject* meta = controls_->metaObject();
    for (int i = QDBusAbstractAdaptor::staticMetaObject.propertyCount(); i < meta->propertyCount();
         ++i) {
        const QMetaProperty property = meta->property(i);
        if (QLatin1String(property.name()) != QLatin1String("Position")) {
            properties.insert(QString::fromLatin1(property.name()), property.read(controls_));
        }
    }
    return properties;
}

void MediaPlayerService::announceChanges() {
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (announced_.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    announced_ = now;
    name_.announce(playerInterface, changed);
}

} // namespace velora
