#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace velora {

// The system clipboard as one item with several representations, keyed by type. The primary
// selection (the text currently selected, published without a copy) is read through it as well.
class Pasteboard {
public:
    using ChangeCount = std::int64_t;

    virtual ~Pasteboard();

    // Types offered by the clipboard's owner, in its order.
    virtual QStringList types() const = 0;
    // None when the type is not offered or its bytes could not be fetched.
    virtual std::optional<QByteArray> data(const QString& type) const = 0;
    // Grows on every change of content or owner, also by other programs; never decreases.
    virtual ChangeCount changeCount() const = 0;
    // `listener` runs on the main thread after each such change; it replaces the one set before,
    // and an empty one stops the calls.
    virtual void setChangeListener(std::function<void()> listener) = 0;
    // Takes ownership with no representation at all.
    virtual void clearContents() = 0;
    // Adds one representation to the item that the last clearContents() started.
    virtual void setData(const QByteArray& data, const QString& type) = 0;
    // The plain-text representation; none when there is none.
    virtual std::optional<QString> string() const = 0;
    // The primary selection's text; none where the desktop does not publish one.
    virtual std::optional<QString> primarySelection() const = 0;
    // Whether this program itself holds the primary selection, such as text selected in its
    // own panel.
    virtual bool ownsPrimarySelection() const = 0;
};

} // namespace velora
