#pragma once

#include "app/platform/Pasteboard.hpp"

#include <QObject>
#include <utility>
#include <vector>

class QClipboard;

namespace velora {

// The desktop clipboard through QClipboard. Types are the MIME formats its owner offers; the
// change counter moves whenever Qt reports a new owner or new content, which on X11 includes
// other programs' copies as the event loop delivers them. Needs a QGuiApplication.
class ClipboardPasteboard final : public QObject, public Pasteboard {
    Q_OBJECT

public:
    explicit ClipboardPasteboard(QObject* parent = nullptr);

    QStringList types() const override;
    std::optional<QByteArray> data(const QString& type) const override;
    ChangeCount changeCount() const override;
    void setChangeListener(std::function<void()> listener) override;
    void clearContents() override;
    void setData(const QByteArray& data, const QString& type) override;
    std::optional<QString> string() const override;
    std::optional<QString> primarySelection() const override;
    bool ownsPrimarySelection() const override;

private:
    QClipboard* clipboard_;
    ChangeCount changes_ = 0;
    std::function<void()> listener_;
    // The item being written since the last clearContents(); each setData() republishes it whole.
    std::vector<std::pair<QString, QByteArray>> writing_;
};

} // namespace velora
