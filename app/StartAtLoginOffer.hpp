#pragma once

#include "app/platform/StartAtLogin.hpp"

namespace velora {

class PreferencesStore;

// The one question of a first start: should the desktop start the program at login, so that
// the shortcut works from then on? Asked until answered, and never once the user chose.
class StartAtLoginOffer {
public:
    StartAtLoginOffer(PreferencesStore& preferences, StartAtLogin& startAtLogin);

    bool shouldAsk() const;
    // Answers whether the desktop now does as the user said.
    bool answer(bool yes);

private:
    PreferencesStore& preferences_;
    StartAtLogin& startAtLogin_;
};

} // namespace velora
