#include "app/StartAtLoginOffer.hpp"

#include "app/platform/PreferencesStore.hpp"

#include <QString>

namespace velora {

namespace {

const QString answeredKey = QStringLiteral("startAtLoginAnswered");

} // namespace

StartAtLoginOffer::StartAtLoginOffer(PreferencesStore& preferences, StartAtLogin& startAtLogin)
    : preferences_(preferences), startAtLogin_(startAtLogin) {}

bool StartAtLoginOffer::shouldAsk() const {
    // An entry already there, or one the user turned off, is an answer given elsewhere.
    return !preferences_.boolean(answeredKey).value_or(false) &&
           startAtLogin_.state() == StartAtLogin::State::off;
}

bool StartAtLoginOffer::answer(bool yes) {
    preferences_.setBoolean(answeredKey, true);
    return startAtLogin_.setEnabled(yes);
}

} // namespace velora
