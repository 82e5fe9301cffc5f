#include "shell/CaptureHint.hpp"

#include "app/HotKeySetting.hpp"
#include "shell/ShellReader.hpp"

namespace velora {

CaptureHint::CaptureHint(ShellReader& reader, const HotKeySetting& shortcut, QObject* parent)
    : QObject(parent), reader_(reader), shortcut_(shortcut) {
    connect(&shortcut_, &HotKeySetting::changed, this, &CaptureHint::shortcutChanged);
}

void CaptureHint::show(Kind kind) {
    shown_.emplace(kind, text(kind));
    reader_.setStatusMessage(shown_->second);
}

QString CaptureHint::text(Kind kind) const {
    switch (kind) {
    case Kind::readFromClipboard:
        return tr("Read from clipboard");
    case Kind::clipboardInstead:
        return tr("Read from clipboard — this session cannot send the copy key stroke, so select "
                  "text and %1 to read a selection directly.")
            .arg(gesture());
    case Kind::nothingToRead:
        return tr("Nothing to read — select text and %1, or copy it first.").arg(gesture());
    }
    return {};
}

QString CaptureHint::gesture() const {
    return shortcut_.isRegistered() ? tr("press %1").arg(shortcut_.display())
                                    : tr("choose Read Selection in the tray menu");
}

void CaptureHint::shortcutChanged() {
    if (!shown_ || reader_.statusMessage() != shown_->second) {
        shown_.reset();
        return;
    }
    // A message on show that names the old shortcut would send the user to a dead key.
    show(shown_->first);
}

} // namespace velora
