#include "ui/StartAtLoginSwitch.hpp"

#include "app/platform/StartAtLogin.hpp"
#include "ui/TextStyle.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velora {

StartAtLoginSwitch::StartAtLoginSwitch(StartAtLogin& startAtLogin, QWidget* parent)
    : QWidget(parent), startAtLogin_(startAtLogin), box_(new QCheckBox(tr("Start at login"), this)),
      note_(styledLabel({}, TextStyle::caption, Tone::secondary, this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(box_);
    note_->setWordWrap(true);
    column->addWidget(note_);
    connect(box_, &QCheckBox::toggled, this, &StartAtLoginSwitch::choose);
    refresh();
}

QString StartAtLoginSwitch::noteText() const {
    return note_->text();
}

void StartAtLoginSwitch::refresh() {
    const StartAtLogin::State state = startAtLogin_.state();
    const QSignalBlocker quiet(box_);
    box_->setChecked(state == StartAtLogin::State::on);
    // The desktop's startup settings hold the user's "off"; overriding it here would undo it.
    box_->setEnabled(state != StartAtLogin::State::disabledByUser);
    note_->setText(state == StartAtLogin::State::disabledByUser
                       ? tr("Turned off in the desktop's startup settings; turn it on there.")
                       : tr("Starts in the tray when you log in, so the shortcut always works."));
}

void StartAtLoginSwitch::choose(bool on) {
    if (!startAtLogin_.setEnabled(on)) {
        refresh();
        note_->setText(on ? tr("The autostart entry could not be written.")
                          : tr("The autostart entry could not be removed."));
        return;
    }
    refresh();
}

} // namespace velora
