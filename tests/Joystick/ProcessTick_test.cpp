#include <gtest/gtest.h>

#include "support/FullLoad.h"

namespace vrx::test {
namespace {

constexpr int kButton1 = kFirstButtonSlot;

JoyButton& assignKey(JoyButton& slot, KeyCode key) {
    slot.type = AssignType::Keyboard;
    slot.keys[0] = key;
    slot.prepare();
    return slot;
}

JoyButton& assignSwitch(JoyButton& slot, const char* name, int delayMs) {
    slot.type = AssignType::ProfileSwitch;
    slot.targetName = name;
    slot.switchDelay = delayMs;
    return slot;
}

TEST(ProcessTick, PollsRemapsAndTracksPresses) {
    EngineHarness h;
    h.devices.add();
    assignKey(h.slot(0, kButton1 + 2), 0x41);
    h.profile.settings.threshold = 200;
    h.settings.skipForegroundProcessing = false;
    h.engine.setForeground(1, false, true);

    h.tick();
    EXPECT_FALSE(h.engine.pressedState().anyPressed[0]);
    EXPECT_EQ(h.ui.refreshPosts, 0);

    h.press(0, 2);
    h.tick();
    const auto& pressed = h.engine.pressedState();
    EXPECT_TRUE(pressed.pressedFlag[0][kButton1 + 2]);
    EXPECT_EQ(pressed.pressTick[0][kButton1 + 2], 2);
    EXPECT_TRUE(pressed.anyPressed[0]);
    EXPECT_EQ(h.ui.refreshPosts, 1);
    EXPECT_TRUE(h.slot(0, kButton1 + 2).runtime.slotPressed);

    // Holding changes nothing the window must redraw; the press tick stays.
    h.tick(3);
    EXPECT_EQ(h.ui.refreshPosts, 1);
    EXPECT_EQ(pressed.pressTick[0][kButton1 + 2], 2);

    h.press(0, 2, false);
    h.tick();
    EXPECT_FALSE(pressed.anyPressed[0]);
    EXPECT_EQ(h.ui.refreshPosts, 2);
    EXPECT_FALSE(h.slot(0, kButton1 + 2).runtime.slotPressed);
}

TEST(ProcessTick, HighlightIsPostedOnlyWhileTheOwnWindowIsInFront) {
    EngineHarness h;
    h.devices.add();
    h.engine.setForeground(7, false, false);
    h.press(0, 0);
    h.tick();
    EXPECT_EQ(h.ui.refreshPosts, 0);
    EXPECT_TRUE(h.engine.pressedState().anyPressed[0]);
}

TEST(ProcessTick, AliasRemapsBeforeThePressedStateIsTaken) {
    EngineHarness h;
    h.devices.add();
    // Buttons 6 and 7 together act as button 8 and no longer as themselves.
    h.profile.buttonAlias.set(kButton1 + 7, {kButton1 + 5, kButton1 + 6, -1});
    assignKey(h.slot(0, kButton1 + 5), 0x41);
    assignKey(h.slot(0, kButton1 + 7), 0x42);
    h.press(0, 5);
    h.press(0, 6);
    h.tick();
    const auto& flags = h.engine.pressedState().pressedFlag[0];
    EXPECT_TRUE(flags[kButton1 + 7]);
    EXPECT_FALSE(flags[kButton1 + 5]);
    EXPECT_FALSE(flags[kButton1 + 6]);
    EXPECT_TRUE(h.slot(0, kButton1 + 7).runtime.slotPressed);
    EXPECT_FALSE(h.slot(0, kButton1 + 5).runtime.slotPressed);
}

TEST(ProcessTick, JoysticksWithoutAReadableDeviceGetNoInput) {
    EngineHarness h;
    h.profile.setNumberOfJoysticks(3);
    h.devices.add();
    h.devices.add().failing = true;
    h.devices.map.set(2, 9);  // names no detected device
    for (int n = 0; n < 3; ++n) {
        assignKey(h.slot(n, kButton1), 0x41);
        h.slot(n, kButton1).runtime.slotPressed = true;  // held from an earlier tick
    }
    h.tick();
    // Joystick 1's device answered with nothing pressed, so its slot lets go;
    // the others keep their last state until a later tick delivers a release.
    EXPECT_FALSE(h.slot(0, kButton1).runtime.slotPressed);
    EXPECT_TRUE(h.slot(1, kButton1).runtime.slotPressed);
    EXPECT_TRUE(h.slot(2, kButton1).runtime.slotPressed);
    EXPECT_EQ(h.devices.polls, 2);
}

TEST(ProcessTick, OnlyActiveSlotsTakePart) {
    EngineHarness h;
    h.devices.add();
    h.profile.settings.numberOfButtons = 0;
    assignKey(h.slot(0, kButton1), 0x41);
    h.press(0, 0);
    h.tick();
    EXPECT_FALSE(h.engine.pressedState().anyPressed[0]);
    EXPECT_FALSE(h.slot(0, kButton1).runtime.slotPressed);
}

TEST(ProcessTick, NoJoysticksStillEndsTheTick) {
    EngineHarness h;
    h.devices.add();
    h.profile.settings.numberOfJoysticks = 0;
    h.tick();
    EXPECT_EQ(h.devices.polls, 0);
}

struct SuppressionCase {
    const char* name;
    bool ownWindow;
    bool skipForeground;
    bool shown;
    bool deviceDialogInFront;
    bool assignmentsRun;
};

class OutputSuppression : public ::testing::TestWithParam<SuppressionCase> {};

TEST_P(OutputSuppression, PressesAreTrackedEitherWay) {
    const SuppressionCase& c = GetParam();
    EngineHarness h;
    h.devices.add();
    h.settings.skipForegroundProcessing = c.skipForeground;
    h.ui.shown = c.shown;
    h.ui.deviceDialog = 42;
    h.engine.setForeground(c.deviceDialogInFront ? 42 : 5, false, c.ownWindow);
    assignKey(h.slot(0, kButton1), 0x41);
    h.press(0, 0);
    h.tick();
    EXPECT_TRUE(h.engine.pressedState().anyPressed[0]);
    EXPECT_EQ(h.slot(0, kButton1).runtime.slotPressed, c.assignmentsRun);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputSuppression,
    ::testing::Values(SuppressionCase{"OtherProgram", false, true, true, false, true},
                      SuppressionCase{"OwnWindowSkipping", true, true, true, false, false},
                      SuppressionCase{"OwnWindowNotSkipping", true, false, true, false, true},
                      SuppressionCase{"OwnWindowAfterMinimise", true, true, false, false, true},
                      SuppressionCase{"DeviceDialog", false, false, true, true, false},
                      SuppressionCase{"DeviceDialogNotSkipping", true, false, false, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessTick, DeviceDialogRedrawsWhenAnAxisMoved) {
    EngineHarness h;
    h.devices.add();
    h.ui.deviceDialog = 42;
    h.engine.setForeground(42, false, false);
    h.tick();
    EXPECT_EQ(h.ui.redrawPosts, 0);
    h.devices.devices[0].moveAxis = true;
    h.tick();
    EXPECT_EQ(h.ui.redrawPosts, 1);
    // Not while another window is in front.
    h.engine.setForeground(5, true, false);
    h.devices.devices[0].moveAxis = true;
    h.tick();
    EXPECT_EQ(h.ui.redrawPosts, 1);
}

TEST(ProcessTick, KeySenderFollowsTheProfileEachTick) {
    EngineHarness h;
    h.devices.add();
    EXPECT_EQ(h.engine.keySender(), nullptr);
    for (int mode = 0; mode < 4; ++mode) {
        h.profile.settings.keySendMode = mode;
        h.tick();
        EXPECT_EQ(h.engine.keySender(), h.senders.senderFor(mode));
    }
    h.profile.settings.keySendMode = 9;
    h.tick();
    EXPECT_EQ(h.engine.keySender(), h.senders.senderFor(3));
}

TEST(ProcessTick, ReleasesAreDispatchedBeforePresses) {
    EngineHarness h;
    h.devices.add();
    assignKey(h.slot(0, kButton1), 0x41);
    assignKey(h.slot(0, kButton1 + 1), 0x41);
    h.press(0, 1);
    h.tick();
    h.press(0, 1, false);
    h.press(0, 0);
    h.events().clear();
    h.tick();
    // The shared key goes up with its last holder and down with the new one.
    EXPECT_EQ(h.events(), (std::vector<std::string>{"Key vk=41 scan=1E flags=2", "Key vk=41 scan=1E flags=0"}));
}

// The slot pass is compiled once with the Debug lines and once without:
// both must send the same, tick for tick, under the heaviest load.
TEST(ProcessTick, DebugLinesLeaveTheOutputAsItIs) {
    EngineHarness quiet, verbose;
    quiet.log.setDebugEnabled(false);
    for (EngineHarness* h : {&quiet, &verbose}) {
        loadWorstCase(*h);
        h->senders.record.keepLines = true;
    }
    for (int t = 0; t < 6; ++t) {
        for (EngineHarness* h : {&quiet, &verbose}) {
            changeEveryInput(*h, t);
            h->events().clear();
            h->tick();
        }
        ASSERT_FALSE(quiet.events().empty());
        EXPECT_EQ(quiet.events(), verbose.events()) << t;
    }
    EXPECT_TRUE(quiet.log.lines.empty());
    EXPECT_FALSE(verbose.log.texts(LogLevel::Debug).empty());
}

TEST(ProcessTick, UnassignedSlotsAreNotDispatched) {
    EngineHarness h;
    h.devices.add();
    h.press(0, 0);
    h.tick();
    EXPECT_FALSE(h.slot(0, kButton1).runtime.slotPressed);
    EXPECT_TRUE(h.engine.pressedState().anyPressed[0]);
}

TEST(ProcessTick, ProfileSwitchIsAskedForOnceAtTheEndOfTheTick) {
    EngineHarness h;
    h.profile.setNumberOfJoysticks(2);
    h.devices.add();
    h.devices.add();
    assignSwitch(h.slot(0, kButton1), "Game", 0);
    assignSwitch(h.slot(1, kButton1), "Other", 0);
    h.press(0, 0);
    h.press(1, 0);
    h.tick();
    EXPECT_TRUE(h.profiles.switchRequests.empty());  // it waits for the release

    h.press(0, 0, false);
    h.press(1, 0, false);
    h.tick();
    // The later request of the tick wins; the switch is asked for once.
    ASSERT_EQ(h.profiles.switchRequests.size(), 1u);
    EXPECT_EQ(h.profiles.switchRequests[0], "Other");
    EXPECT_EQ(h.log.texts(LogLevel::Info), std::vector<std::string>{"Switching to profile: Other"});
    h.tick();
    EXPECT_EQ(h.profiles.switchRequests.size(), 1u);
}

TEST(ProcessTick, DelayedProfileSwitchRepeatsWhileHeld) {
    EngineHarness h;
    h.devices.add();
    assignSwitch(h.slot(0, kButton1), "Game", 500);
    h.press(0, 0);
    // 500 ms is 31.25 ticks; the request comes once the hold exceeds it.
    h.tick(32);
    EXPECT_TRUE(h.profiles.switchRequests.empty());
    h.tick();
    EXPECT_EQ(h.profiles.switchRequests.size(), 1u);
    h.tick(3);
    EXPECT_EQ(h.profiles.switchRequests.size(), 4u);
    h.press(0, 0, false);
    h.tick();
    EXPECT_EQ(h.profiles.switchRequests.size(), 4u);
}

TEST(ProcessTick, VirtualInputReachesTheTargetDirectly) {
    EngineHarness h;
    h.profile.setNumberOfJoysticks(2);
    h.devices.add();  // feeds joystick 0 only
    assignKey(h.slot(0, kButton1 + 3), 0x41);
    assignKey(h.slot(1, kButton1 + 3), 0x42);
    h.slot(1, kButton1 + 3).toggle = 1;                            // toggles do not apply to virtual presses
    h.profile.buttonAlias.set(kButton1 + 3, {kButton1 + 9, -1, -1});  // nor does remapping

    struct NoTimer final : TimerControl {
        void disable() override {}
        void enable() override {}
    } timer;
    h.engine.virtualInput().attach(0, 1, &h.profile, timer, h.engine.tickContext());

    h.press(0, 3);  // the suppressed joystick's own device is polled but skipped
    h.engine.virtualInput().press(3);
    h.tick();
    EXPECT_TRUE(h.slot(1, kButton1 + 3).runtime.slotPressed);
    EXPECT_FALSE(h.slot(0, kButton1 + 3).runtime.slotPressed);
    EXPECT_FALSE(h.engine.pressedState().anyPressed[0]);
    EXPECT_EQ(h.devices.polls, 1);

    h.engine.virtualInput().release(3);
    h.tick();
    EXPECT_FALSE(h.slot(1, kButton1 + 3).runtime.slotPressed);
}

TEST(VirtualButtonInput, AttachReleasesTheOldTargetAndClearsTheButtons) {
    EngineHarness h;
    h.profile.setNumberOfJoysticks(3);
    struct Timer final : TimerControl {
        std::string calls;
        void disable() override { calls += "d"; }
        void enable() override { calls += "e"; }
    } timer;
    VirtualButtonInput& v = h.engine.virtualInput();
    EXPECT_EQ(v.targetJoystick(), -1);
    EXPECT_EQ(v.suppressedJoystick(), -1);
    v.attach(0, 2, &h.profile, timer, h.engine.tickContext());
    v.press(5);
    v.press(128);
    v.press(-1);
    EXPECT_TRUE(v.query(5));
    EXPECT_FALSE(v.query(128));
    h.slot(2, kButton1 + 5).runtime.slotPressed = true;

    v.attach(1, 7, &h.profile, timer, h.engine.tickContext());
    EXPECT_EQ(timer.calls, "dede");
    EXPECT_FALSE(v.query(5));
    EXPECT_FALSE(h.slot(2, kButton1 + 5).runtime.slotPressed);
    EXPECT_EQ(v.targetJoystick(), 7);
    EXPECT_EQ(v.suppressedJoystick(), 1);
    // A target outside the profile is ignored by the tick, and so is the
    // suppression that comes with it.
    v.press(5);
    h.devices.add();
    h.devices.add();
    assignKey(h.slot(1, kButton1), 0x41);
    h.press(1, 0);
    h.tick();
    EXPECT_TRUE(h.slot(1, kButton1).runtime.slotPressed);
    EXPECT_TRUE(h.engine.pressedState().anyPressed[1]);
}

}  // namespace
}  // namespace vrx::test
