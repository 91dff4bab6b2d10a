#include <gtest/gtest.h>

#include <algorithm>

#include "support/EngineHarness.h"

namespace vrx::test {
namespace {

constexpr int kButton1 = kFirstButtonSlot;
constexpr int kRight = 1;  // stick 1, positive x

void assignKey(JoyButton& slot, KeyCode key) {
    slot.type = AssignType::Keyboard;
    slot.keys[0] = key;
}

void assignShift(JoyButton& slot, int target, int delayMs) {
    slot.type = AssignType::JoystickShift;
    slot.shiftTarget = target;
    slot.switchDelay = delayMs;
}

int justPressedLines(const RecordingLogger& log, const std::string& slotName) {
    const auto lines = log.texts(LogLevel::Debug);
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.rfind(slotName + ": just pressed", 0) == 0;
    }));
}

// A stick held to the right while a new profile comes into force.
struct ProfileSwitchFixture {
    EngineHarness h;
    ConfigFile next;

    explicit ProfileSwitchFixture(int ignoreMs) {
        h.settings.ignoreInputAfterProfileSwitch = ignoreMs;
        h.devices.add().state.axes[0] = 1000;
        assignKey(h.slot(0, kRight), 0x41);
        assignKey(next.joystick(0)->slot(kRight), 0x42);
        h.tick();  // the first tick ever also meets a "new" profile
        h.log.lines.clear();
        // The profile list's replacement duties: install, then reset the shifts.
        h.profiles.profile = &next;
        h.engine.ResetShiftTracking(next);
    }
    bool held() { return next.joystick(0)->slot(kRight).runtime.slotPressed; }
};

TEST(ProfileSwitchInput, HeldInputActsAtOnceByDefault) {
    ProfileSwitchFixture f(0);
    f.h.tick();
    EXPECT_TRUE(f.held());
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug,
                                 "Profile is changed - already pressed buttons are immediately effective"));
}

TEST(ProfileSwitchInput, HeldInputWaitsForItsRelease) {
    ProfileSwitchFixture f(-1);
    f.h.tick(50);
    EXPECT_FALSE(f.held());
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Button[1]: Input will be ignored for -1"));
    f.h.devices.devices[0].state.axes[0] = 0;
    f.h.tick();
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug,
                                 "Button[1]: Button is released so input will take effect from now on"));
    f.h.devices.devices[0].state.axes[0] = 1000;
    f.h.tick();
    EXPECT_TRUE(f.held());
}

TEST(ProfileSwitchInput, HeldInputIsIgnoredForTheSetTime) {
    ProfileSwitchFixture f(500);  // 31 ticks at normal speed
    f.h.tick(31);
    EXPECT_FALSE(f.held());
    f.h.tick();
    EXPECT_TRUE(f.held());
    // The rule runs once, in the first tick of the new profile.
    const auto lines = f.h.log.texts(LogLevel::Debug);
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         "Profile is changed - already pressed buttons are ignored for the specified time"),
              1);
}

TEST(ProfileSwitchInput, TurboModeScalesTheIgnoreTime) {
    ProfileSwitchFixture f(500);
    f.h.settings.turboMode = 2;  // 125 ticks
    f.h.tick(125);
    EXPECT_FALSE(f.held());
    f.h.tick();
    EXPECT_TRUE(f.held());
}

// Joystick 0's button 1 shifts its input to joystick 1 after 700 ms.
struct ShiftFixture {
    EngineHarness h;

    ShiftFixture() {
        h.profile.setNumberOfJoysticks(3);
        h.devices.add();
        h.devices.add();  // joystick 1's own controller
        assignShift(h.slot(0, kButton1), 1, 700);
        assignKey(h.slot(0, kRight), 0x41);
        assignKey(h.slot(1, kRight), 0x41);          // same key: handed over
        assignKey(h.slot(0, kButton1 + 1), 0x43);
        assignKey(h.slot(1, kButton1 + 1), 0x44);    // different key: released
    }
    void holdShift(bool down = true) { h.press(0, 0, down); }
};

TEST(JoystickShift, RoutesInputOnceTheDelayHasPassed) {
    ShiftFixture f;
    f.holdShift();
    f.h.press(0, 2);
    assignKey(f.h.slot(0, kButton1 + 2), 0x45);
    assignKey(f.h.slot(1, kButton1 + 2), 0x46);
    f.h.tick(44);  // 43 ticks are 688 ms
    EXPECT_FALSE(f.h.slot(1, kButton1 + 2).runtime.slotPressed);
    f.h.tick();
    EXPECT_TRUE(f.h.slot(1, kButton1 + 2).runtime.slotPressed);
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Switching PhysicalDevice[0] temporarily to pJoystick[1]"));

    // Joystick 1's own controller is not processed while it is the target.
    f.h.press(1, 5);
    assignKey(f.h.slot(1, kButton1 + 5), 0x47);
    f.h.tick();
    EXPECT_FALSE(f.h.slot(1, kButton1 + 5).runtime.slotPressed);

    f.holdShift(false);
    f.h.tick();
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Switching PhysicalDevice[0] back to pJoystick[0]"));
    EXPECT_FALSE(f.h.slot(1, kButton1 + 2).runtime.slotPressed);
}

TEST(JoystickShift, SameOutputIsHandedOverAndOtherOutputReleased) {
    ShiftFixture f;
    f.h.settings.ignoreInputAfterShiftSwitch = -1;
    f.h.devices.devices[0].state.axes[0] = 1000;
    f.h.press(0, 1);
    f.holdShift();
    f.h.tick(45);

    JoyButton& handedTo = f.h.slot(1, kRight);
    EXPECT_TRUE(handedTo.runtime.slotPressed);
    EXPECT_FALSE(f.h.slot(0, kRight).runtime.slotPressed);
    EXPECT_EQ(justPressedLines(f.h.log, "1#button[1]"), 0);  // no new press
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Button[1]: The same effect => Hand over input"));

    EXPECT_FALSE(f.h.slot(0, kButton1 + 1).runtime.slotPressed);
    EXPECT_FALSE(f.h.slot(1, kButton1 + 1).runtime.slotPressed);
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Button[57]: Different effect => Released input effect"));
    EXPECT_EQ(f.h.slot(1, kButton1 + 1).runtime.ignoreCounter, -1);

    // The different key acts once it has been let go and pressed again.
    f.h.press(0, 1, false);
    f.h.tick();
    f.h.press(0, 1);
    f.h.tick();
    EXPECT_TRUE(f.h.slot(1, kButton1 + 1).runtime.slotPressed);
}

TEST(JoystickShift, WhatTheTargetsOwnControllerHoldsGoesUpWhenTakenOver) {
    ShiftFixture f;
    assignShift(f.h.slot(0, kButton1), 1, 0);
    f.h.devices.devices[1].state.axes[0] = 1000;  // joystick 1's own stick holds A
    f.h.tick();
    ASSERT_EQ(f.h.senders.record.keyDown[0x41], 1);

    f.holdShift();
    f.h.tick();
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ(f.h.engine.keyRefCount()[0x41], 0);

    // Back from the shift, the stick still held is a new press of its own.
    f.holdShift(false);
    f.h.tick(2);
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 1);
    f.h.devices.devices[1].state.axes[0] = 0;
    f.h.tick();
    EXPECT_EQ(f.h.senders.record.keyDown[0x41], 0);
    EXPECT_EQ(f.h.engine.keyRefCount()[0x41], 0);
}

TEST(JoystickShift, ChainsThroughHeldShiftsOfTheTarget) {
    ShiftFixture f;
    assignShift(f.h.slot(0, kButton1), 1, 0);
    assignShift(f.h.slot(1, kButton1), 2, 0);
    assignKey(f.h.slot(2, kButton1 + 4), 0x48);
    f.holdShift();
    f.h.press(0, 4);
    f.h.tick();
    EXPECT_TRUE(f.h.slot(2, kButton1 + 4).runtime.slotPressed);
}

TEST(JoystickShift, NoShiftOntoItselfOrOutsideTheProfile) {
    for (int target : {0, 3, 49}) {
        ShiftFixture f;
        assignShift(f.h.slot(0, kButton1), target, 0);
        assignKey(f.h.slot(0, kButton1 + 4), 0x48);
        f.holdShift();
        f.h.press(0, 4);
        f.h.tick();
        EXPECT_TRUE(f.h.slot(0, kButton1 + 4).runtime.slotPressed) << target;
    }
}

TEST(JoystickShift, AnIgnoredShiftSlotDoesNotShift) {
    ShiftFixture f;
    assignShift(f.h.slot(0, kButton1), 1, 0);
    f.h.slot(0, kButton1).runtime.ignoreCounter = -1;
    assignKey(f.h.slot(0, kButton1 + 4), 0x48);
    f.holdShift();
    f.h.press(0, 4);
    f.h.tick();
    EXPECT_TRUE(f.h.slot(0, kButton1 + 4).runtime.slotPressed);
}

TEST(ToggleFilterInTheTick, PressesSwitchAndForegroundChangesReset) {
    EngineHarness h;
    h.devices.add();
    JoyButton& slot = h.slot(0, kButton1);
    assignKey(slot, 0x41);
    slot.toggle = 1;
    h.press(0, 0);
    h.tick();
    h.press(0, 0, false);
    h.tick();
    EXPECT_TRUE(slot.runtime.slotPressed);  // on from one press to the next
    h.press(0, 0);
    h.tick();
    h.press(0, 0, false);
    h.tick();
    EXPECT_FALSE(slot.runtime.slotPressed);

    h.press(0, 0);
    h.tick();
    h.press(0, 0, false);
    h.engine.setForeground(9, true, false);
    h.tick();
    EXPECT_FALSE(slot.runtime.slotPressed);
    EXPECT_TRUE(h.log.contains(LogLevel::Debug,
                               "0#button[56]: toggle changed to 0 because the target window has changed"));
}

TEST(ToggleFilterInTheTick, TriggeredSlotsFollowTheirForcedState) {
    EngineHarness h;
    h.devices.add();
    JoyButton& slot = h.slot(0, kButton1 + 9);
    assignKey(slot, 0x41);
    slot.runtime.forcedState = 1;
    h.tick();
    EXPECT_TRUE(slot.runtime.slotPressed);
    slot.runtime.forcedState = 0;
    h.press(0, 9);
    h.tick();
    EXPECT_FALSE(slot.runtime.slotPressed);
}

}  // namespace
}  // namespace vrx::test
