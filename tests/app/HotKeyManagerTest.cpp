#include "app/HotKeyManager.hpp"

#include "fakes/FakeGlobalHotKeyService.hpp"
#include "fakes/ManualScheduler.hpp"
#include "support/LogCapture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

using ::testing::ElementsAre;
using velora::testsupport::LogCapture;

constexpr QKeyCombination altSpace(Qt::AltModifier, Qt::Key_Space);
constexpr QKeyCombination ctrlSpace(Qt::ControlModifier, Qt::Key_Space);
constexpr QKeyCombination superShiftR(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_R);
constexpr QKeyCombination superShiftSpace(Qt::MetaModifier | Qt::ShiftModifier, Qt::Key_Space);

class HotKeyManagerTest : public ::testing::Test {
protected:
    fakes::FakeGlobalHotKeyService service;
    fakes::ManualScheduler scheduler;
};

TEST_F(HotKeyManagerTest, EachRegistrationReleasesTheOneBeforeAndInstallsTheHandlerOnce) {
    HotKeyManager manager(service, scheduler);
    manager.registerKeys(altSpace);
    manager.registerKeys(superShiftR);
    manager.registerKeys(superShiftR);
    EXPECT_THAT(service.calls,
                ElementsAre("install", "register Alt+Space", "unregister 1",
                            "register Shift+Super+R", "unregister 2", "register Shift+Super+R"));
}

TEST_F(HotKeyManagerTest, TriggerRunsOnALaterTurnNotInsideTheKeyPress) {
    HotKeyManager manager(service, scheduler);
    int triggers = 0;
    QObject::connect(&manager, &HotKeyManager::triggered, [&triggers] { ++triggers; });
    manager.registerKeys(altSpace);

    service.press();
    service.press();
    EXPECT_EQ(triggers, 0);
    scheduler.advance(fakes::ManualScheduler::Seconds{0});
    EXPECT_EQ(triggers, 2);
}

TEST_F(HotKeyManagerTest, APressOutlivingTheManagerDoesNothing) {
    auto manager = std::make_unique<HotKeyManager>(service, scheduler);
    manager->registerKeys(altSpace);
    service.press();
    manager.reset();
    scheduler.advance(fakes::ManualScheduler::Seconds{0});
    service.press();
    scheduler.advance(fakes::ManualScheduler::Seconds{0});
}

TEST_F(HotKeyManagerTest, RefusalLogsTheStatusAndLeavesNothingToRelease) {
    LogCapture log;
    HotKeyManager manager(service, scheduler);
    service.refuseWith = -9878;
    EXPECT_FALSE(manager.registerKeys(ctrlSpace));
    service.refuseWith = 10;
    EXPECT_FALSE(manager.registerKeys(superShiftSpace));
    EXPECT_FALSE(manager.isRegistered());

    EXPECT_THAT(log.lines,
                ElementsAre("VeloraMac: shortcut not registered: the desktop declined the "
                            "shortcut (status -9878)",
                            "VeloraMac: shortcut not registered: the desktop declined the "
                            "shortcut (status 10)"));
    EXPECT_THAT(service.calls,
                ElementsAre("install", "register Ctrl+Space", "register Shift+Super+Space"));
}

struct LaterAnswerCase {
    const char* name;
    GlobalHotKeyService::Status status;
    bool registered;
    std::optional<QString> chord;
    QStringList log;

    friend void PrintTo(const LaterAnswerCase& answer, std::ostream* out) { *out << answer.name; }
};

class HotKeyManagerLaterAnswerTest : public HotKeyManagerTest,
                                     public ::testing::WithParamInterface<LaterAnswerCase> {};

TEST_P(HotKeyManagerLaterAnswerTest, HeldOnlyOnceTheDesktopGrantsIt) {
    LogCapture log;
    HotKeyManager manager(service, scheduler);
    int changes = 0;
    QObject::connect(&manager, &HotKeyManager::registrationChanged, [&changes] { ++changes; });
    service.answerLater = true;
    EXPECT_FALSE(manager.registerKeys(superShiftR));
    EXPECT_FALSE(manager.isRegistered());

    service.answer({1, GetParam().status, QStringLiteral("Ctrl+Alt+R")});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(manager.isRegistered(), GetParam().registered);
    EXPECT_EQ(manager.boundChord(), GetParam().chord);
    EXPECT_EQ(log.lines, GetParam().log);

    // Only a granted registration is released before the next one.
    manager.registerKeys(altSpace);
    EXPECT_EQ(service.calls.size(), GetParam().registered ? 4U : 3U);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HotKeyManagerLaterAnswerTest,
    ::testing::Values(
        LaterAnswerCase{"granted", 0, true, QStringLiteral("Ctrl+Alt+R"), {}},
        LaterAnswerCase{
            "refused",
            2,
            false,
            std::nullopt,
            {QStringLiteral("VeloraMac: shortcut not registered: the desktop declined the "
                            "shortcut (status 2)")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HotKeyManagerTest, AnswerToAReplacedRegistrationIsIgnored) {
    HotKeyManager manager(service, scheduler);
    int changes = 0;
    QObject::connect(&manager, &HotKeyManager::registrationChanged, [&changes] { ++changes; });
    service.answerLater = true;
    manager.registerKeys(superShiftR);
    manager.registerKeys(altSpace);

    service.answer({1, 0, QStringLiteral("Ctrl+Alt+R")});
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(manager.isRegistered());
    service.answer({2, 0, {}});
    EXPECT_TRUE(manager.isRegistered());
    EXPECT_EQ(manager.boundChord(), std::nullopt);
}

} // namespace
} // namespace velora
