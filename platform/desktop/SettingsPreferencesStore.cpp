#include "platform/desktop/SettingsPreferencesStore.hpp"

#include <array>

namespace velora {

namespace {

const QString bytesGroup = QStringLiteral("bytes");
const QString textGroup = QStringLiteral("text");
const QString booleanGroup = QStringLiteral("boolean");

QString path(const QString& group, const QString& key) {
    return group + QLatin1Char('/') + key;
}

} // namespace

SettingsPreferencesStore::SettingsPreferencesStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VeloraMac"),
                QStringLiteral("VeloraMac")) {}

std::optional<QVariant> SettingsPreferencesStore::read(const QString& group,
                                                       const QString& key) const {
    QVariant value = settings_.value(path(group, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value;
}

std::optional<QByteArray> SettingsPreferencesStore::data(const QString& key) const {
    auto value = read(bytesGroup, key);
    if (!value || !value->canConvert<QByteArray>()) {
        return std::nullopt;
    }
    return value->toByteArray();
}

std::optional<QString> SettingsPreferencesStore::string(const QString& key) const {
    auto value = read(textGroup, key);
    if (!value) {
        return std::nullopt;
    }
    return value->toString();
}

std::optional<bool> SettingsPreferencesStore::boolean(const QString& key) const {
    auto value = read(booleanGroup, key);
    if (!value) {
        return std::nullopt;
    }
    const QString text = value->toString();
    if (text == QLatin1String("true")) {
        return true;
    }
    if (text == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

void SettingsPreferencesStore::write(const QString& group, const QString& key,
                                     const QVariant& value) {
    // A key holds one kind of value; the file is written once per change.
    removeFromGroups(key);
    settings_.setValue(path(group, key), value);
    settings_.sync();
}

void SettingsPreferencesStore::setData(const QString& key, const QByteArray& value) {
    write(bytesGroup, key, value);
}

void SettingsPreferencesStore::setString(const QString& key, const QString& value) {
    write(textGroup, key, value);
}

void SettingsPreferencesStore::setBoolean(const QString& key, bool value) {
    write(booleanGroup, key, value);
}

void SettingsPreferencesStore::remove(const QString& key) {
    removeFromGroups(key);
    settings_.sync();
}

void SettingsPreferencesStore::removeFromGroups(const QString& key) {
    for (const QString& group : std::array{bytesGroup, textGroup, booleanGroup}) {
        settings_.remove(path(group, key));
    }
}

} // namespace velora
