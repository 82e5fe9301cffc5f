#pragma once

#include "app/platform/Pasteboard.hpp"

#include <utility>
#include <vector>

namespace velora::fakes {

// An in-memory clipboard holding one item. Types may be listed without bytes, as a real owner
// may fail to deliver them.
class FakePasteboard final : public Pasteboard {
public:
    using Item = std::vector<std::pair<QString, std::optional<QByteArray>>>;

    static inline const QString plainText = QStringLiteral("text/plain");

    QStringList types() const override {
        QStringList list;
        for (const auto& entry : item_) {
            list.append(entry.first);
        }
        return list;
    }

    std::optional<QByteArray> data(const QString& type) const override {
        for (const auto& entry : item_) {
            if (entry.first == type) {
                return entry.second;
            }
        }
        return std::nullopt;
    }

    ChangeCount changeCount() const override { return changes_; }
    void setChangeListener(std::function<void()> listener) override {
        listener_ = std::move(listener);
    }

    void clearContents() override {
        item_.clear();
        changed();
    }

    void setData(const QByteArray& data, const QString& type) override {
        item_.emplace_back(type, data);
    }

    std::optional<QString> string() const override {
        if (auto bytes = data(plainText)) {
            return QString::fromUtf8(*bytes);
        }
        return std::nullopt;
    }

    std::optional<QString> primarySelection() const override { return selection; }
    bool ownsPrimarySelection() const override { return selectionIsOurs; }

    // What another program does: takes the clipboard and writes its own item.
    void replaceFromOutside(Item item) {
        item_ = std::move(item);
        changed();
    }

    const Item& item() const { return item_; }

    std::optional<QString> selection;
    bool selectionIsOurs = false;

private:
    void changed() {
        ++changes_;
        if (const auto listener = listener_) {
            listener();
        }
    }

    Item item_;
    ChangeCount changes_ = 100;
    std::function<void()> listener_;
};

} // namespace velora::fakes
