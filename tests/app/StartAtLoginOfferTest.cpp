#include "app/StartAtLoginOffer.hpp"

#include "fakes/InMemoryPreferencesStore.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

class RecordedStartAtLogin final : public StartAtLogin {
public:
    State state() const override { return state_; }
    bool setEnabled(bool enabled) override {
        if (state_ == State::disabledByUser) {
            return !enabled;
        }
        state_ = enabled ? State::on : State::off;
        return true;
    }

    State state_ = State::off;
};

TEST(StartAtLoginOffer, AsksOnceAndDoesAsAnswered) {
    for (const bool yes : {true, false}) {
        fakes::InMemoryPreferencesStore preferences;
        RecordedStartAtLogin login;
        ASSERT_TRUE(StartAtLoginOffer(preferences, login).shouldAsk());
        EXPECT_TRUE(StartAtLoginOffer(preferences, login).answer(yes));
        EXPECT_EQ(login.state(), yes ? StartAtLogin::State::on : StartAtLogin::State::off);
        login.state_ = StartAtLogin::State::off;
        EXPECT_FALSE(StartAtLoginOffer(preferences, login).shouldAsk()) << yes;
    }
}

TEST(StartAtLoginOffer, AnEntryAlreadyThereIsAnAnswer) {
    for (const auto state : {StartAtLogin::State::on, StartAtLogin::State::disabledByUser}) {
        fakes::InMemoryPreferencesStore preferences;
        RecordedStartAtLogin login;
        login.state_ = state;
        EXPECT_FALSE(StartAtLoginOffer(preferences, login).shouldAsk());
    }
}

} // namespace
} // namespace velora
