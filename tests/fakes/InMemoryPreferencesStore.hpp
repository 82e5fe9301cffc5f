#pragma once

#include "app/platform/PreferencesStore.hpp"

#include <map>
#include <variant>

namespace velora::fakes {

class InMemoryPreferencesStore final : public PreferencesStore {
public:
    std::optional<QByteArray> data(const QString& key) const override {
        return read<QByteArray>(key);
    }
    std::optional<QString> string(const QString& key) const override { return read<QString>(key); }
    std::optional<bool> boolean(const QString& key) const override { return read<bool>(key); }

    void setData(const QString& key, const QByteArray& value) override { values_[key] = value; }
    void setString(const QString& key, const QString& value) override { values_[key] = value; }
    void setBoolean(const QString& key, bool value) override { values_[key] = value; }
    void remove(const QString& key) override { values_.erase(key); }

private:
    template <typename T> std::optional<T> read(const QString& key) const {
        auto found = values_.find(key);
        if (found == values_.end()) {
            return std::nullopt;
        }
        if (const T* value = std::get_if<T>(&found->second)) {
            return *value;
        }
        return std::nullopt;
    }

    std::map<QString, std::variant<QByteArray, QString, bool>> values_;
};

} // namespace velora::fakes
