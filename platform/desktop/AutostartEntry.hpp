#pragma once

#include "app/platform/StartAtLogin.hpp"
#include "platform/desktop/ProgramCommand.hpp"

#include <QString>

namespace velora {

// The program's entry in the user's autostart folder, as the desktops that follow the XDG
// autostart rules read it: present starts the program at login with `startedAtLoginOption`.
class AutostartEntry final : public StartAtLogin {
public:
    static constexpr auto startedAtLoginOption = ProgramCommand::startedAtLoginOption;

    // `folder` empty: $XDG_CONFIG_HOME/autostart, ~/.config/autostart when unset. `program` empty:
    // `veloramac`'s own path.
    explicit AutostartEntry(QString folder = {}, QString program = {});

    State state() const override;
    bool setEnabled(bool enabled) override;

    QString filePath() const;
    // The entry's text, starting `program`: by name when it is the one on the PATH.
    static QString entryText(const QString& program);
    // One argument of an Exec line, quoted where the desktop entry rules need it.
    static QString execArgument(const QString& argument);

private:
    QString folder_;
    QString program_;
};

} // namespace velora
