#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace velora {

// The per-user store of small preferences. Reads of a key that holds nothing, or a value of
// another kind, answer none; writes never report errors.
class PreferencesStore {
public:
    virtual ~PreferencesStore();

    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    virtual std::optional<QString> string(const QString& key) const = 0;
    virtual std::optional<bool> boolean(const QString& key) const = 0;

    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual void setString(const QString& key, const QString& value) = 0;
    virtual void setBoolean(const QString& key, bool value) = 0;
    virtual void remove(const QString& key) = 0;
};

} // namespace velora
