#include "platform/desktop/ClipboardPasteboard.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <array>

namespace velora {

namespace {

// Names X11 lists beside the real formats, and Qt's stand-in for "some image", which has no
// bytes of its own.
bool isRepresentation(const QString& format) {
    static const std::array<QLatin1String, 5> excluded = {
        QLatin1String("TARGETS"), QLatin1String("MULTIPLE"), QLatin1String("TIMESTAMP"),
        QLatin1String("SAVE_TARGETS"), QLatin1String("application/x-qt-image")};
    return std::find(excluded.begin(), excluded.end(), format) == excluded.end();
}

std::optional<QString> textOf(const QMimeData* mime) {
    if (!mime || !mime->hasText()) {
        return std::nullopt;
    }
    return mime->text();
}

} // namespace

ClipboardPasteboard::ClipboardPasteboard(QObject* parent)
    : QObject(parent), clipboard_(QGuiApplication::clipboard()) {
    connect(clipboard_, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
        if (mode != QClipboard::Clipboard) {
            return;
        }
        ++changes_;
        // A copy, so the listener may replace itself.
        if (const auto listener = listener_) {
            listener();
        }
    });
}

QStringList ClipboardPasteboard::types() const {
    const QMimeData* mime = clipboard_->mimeData(QClipboard::Clipboard);
    if (!mime) {
        return {};
    }
    QStringList formats = mime->formats();
    formats.removeIf([](const QString& format) { return !isRepresentation(format); });
    formats.removeDuplicates();
    return formats;
}

std::optional<QByteArray> ClipboardPasteboard::data(const QString& type) const {
    const QMimeData* mime = clipboard_->mimeData(QClipboard::Clipboard);
    if (!mime || !isRepresentation(type) || !mime->hasFormat(type)) {
        return std::nullopt;
    }
    // Qt answers a failed transfer with no bytes; an empty representation is not worth keeping.
    QByteArray bytes = mime->data(type);
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    return bytes;
}

Pasteboard::ChangeCount ClipboardPasteboard::changeCount() const {
    return changes_;
}

void ClipboardPasteboard::setChangeListener(std::function<void()> listener) {
    listener_ = std::move(listener);
}

void ClipboardPasteboard::clearContents() {
    writing_.clear();
    clipboard_->clear(QClipboard::Clipboard);
}

void ClipboardPasteboard::setData(const QByteArray& data, const QString& type) {
    writing_.emplace_back(type, data);
    auto* mime = new QMimeData;
    for (const auto& [format, bytes] : writing_) {
        mime->setData(format, bytes);
    }
    clipboard_->setMimeData(mime, QClipboard::Clipboard);
}

std::optional<QString> ClipboardPasteboard::string() const {
    return textOf(clipboard_->mimeData(QClipboard::Clipboard));
}

std::optional<QString> ClipboardPasteboard::primarySelection() const {
    if (!clipboard_->supportsSelection()) {
        return std::nullopt;
    }
    return textOf(clipboard_->mimeData(QClipboard::Selection));
}

bool ClipboardPasteboard::ownsPrimarySelection() const {
    return clipboard_->ownsSelection();
}

} // namespace velora
