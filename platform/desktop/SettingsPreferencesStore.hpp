#pragma once

#include "app/platform/PreferencesStore.hpp"

#include <QSettings>

namespace velora {

// Preferences in QSettings' native format under $XDG_CONFIG_HOME/VeloraMac/. Each kind of value
// lives in a group of its own, because the native format forgets whether "true" was a Boolean or
// a text; a write removes the key from the other groups, so a read of another kind answers none.
class SettingsPreferencesStore final : public PreferencesStore {
public:
    SettingsPreferencesStore();

    std::optional<QByteArray> data(const QString& key) const override;
    std::optional<QString> string(const QString& key) const override;
    std::optional<bool> boolean(const QString& key) const override;

    void setData(const QString& key, const QByteArray& value) override;
    void setString(const QString& key, const QString& value) override;
    void setBoolean(const QString& key, bool value) override;
    void remove(const QString& key) override;

private:
    std::optional<QVariant> read(const QString& group, const QString& key) const;
    void write(const QString& group, const QString& key, const QVariant& value);
    void removeFromGroups(const QString& key);

    mutable QSettings settings_;
};

} // namespace velora
