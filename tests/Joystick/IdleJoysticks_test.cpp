#include <gtest/gtest.h>

#include "support/EngineHarness.h"
#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;
constexpr int kButton1 = kFirstButtonSlot;
constexpr const char* kBUp = "Key vk=42 scan=30 flags=2";
constexpr const char* kBDown = "Key vk=42 scan=30 flags=0";

// A joystick whose three held buttons type A, B and C, ticked until nothing
// changes any more, so that the tick leaves it out: whatever then happens to
// one of its slots must still come through.
struct SteadyJoystick : EngineHarness {
    SteadyJoystick() {
        profile.setNumberOfJoysticks(2);
        devices.add();
        for (int b = 0; b < 3; ++b) {
            keyboard(slot(0, kButton1 + b), {static_cast<KeyCode>(0x41 + b)});
            press(0, b);
        }
    }
    JoyButton& own(int button) { return slot(0, kButton1 + button); }
    // Ticks past the profile rule and the presses, then forgets what went out.
    void settle() {
        tick(3);
        events().clear();
    }
    Lines tickAndTake(int count = 1) {
        tick(count);
        Lines out = events();
        events().clear();
        return out;
    }
};

TEST(SteadyJoystick, InputChangesComeThrough) {
    SteadyJoystick h;
    h.settle();
    EXPECT_EQ(h.tickAndTake(5), Lines{});
    h.press(0, 1, false);
    EXPECT_EQ(h.tickAndTake(), Lines{kBUp});
    h.press(0, 1);
    EXPECT_EQ(h.tickAndTake(), Lines{kBDown});
}

TEST(SteadyJoystick, SlotsThatActWhileHeldKeepActing) {
    SteadyJoystick h;
    keyboard(h.own(3), {0x44}, 10.0f);
    h.press(0, 3);
    h.settle();
    const Lines repeats = h.tickAndTake(6);
    EXPECT_EQ(repeats.size(), 2u) << "a key-up and a key-down of D every three ticks";
}

TEST(SteadyJoystick, AnEditedSlotActsOnTheNextTick) {
    SteadyJoystick h;
    h.settle();
    // Given a cursor key, a held slot moves the cursor on every tick.
    h.own(0).keys[0] = key::CursorRight + 8;
    h.own(0).prepare();
    EXPECT_EQ(h.tickAndTake(2), (Lines{"MouseMoveRelative dx=2 dy=0", "MouseMoveRelative dx=2 dy=0"}));
}

TEST(SteadyJoystick, ChangesFromOutsideTheTickAreSeen) {
    SteadyJoystick h;
    h.settle();
    ForceRelease(h.own(1), h.engine.tickContext());
    EXPECT_EQ(h.events(), Lines{kBUp});
    h.events().clear();
    // Still held, so the next tick presses it anew.
    EXPECT_EQ(h.tickAndTake(), Lines{kBDown});
}

// Virtual presses reach the slots before the joystick's own input, which
// here lets go of them again.
TEST(SteadyJoystick, VirtualPressesReachItsSlots) {
    SteadyJoystick h;
    h.devices.add();
    keyboard(h.slot(1, kButton1 + 3), {0x44});
    struct : TimerControl {
        void disable() override {}
        void enable() override {}
    } timer;
    h.engine.virtualInput().attach(-1, 1, &h.profile, timer, h.engine.tickContext());
    h.settle();
    h.engine.virtualInput().press(3);
    EXPECT_EQ(h.tickAndTake(2), (Lines{"Key vk=44 scan=20 flags=0", "Key vk=44 scan=20 flags=2",
                                       "Key vk=44 scan=20 flags=0", "Key vk=44 scan=20 flags=2"}));
}

TEST(SteadyJoystick, OtherSlotsTriggerItsSlots) {
    SteadyJoystick h;
    keyboard(h.own(4), {triggerKey(1)});
    h.settle();
    h.press(0, 4);
    h.tickAndTake();  // the trigger goes out after button 2's filter has run
    h.press(0, 1, false);
    EXPECT_EQ(h.tickAndTake(3), Lines{}) << "button 2 is on by the trigger";
    h.press(0, 4, false);
    h.tick();
    EXPECT_EQ(h.tickAndTake(), Lines{kBUp});
}

TEST(SteadyJoystick, AToggledSlotLetsGoWhenTheWindowChanges) {
    SteadyJoystick h;
    keyboard(h.own(3), {0x44}).toggle = 1;
    h.press(0, 3);
    h.tick();
    h.press(0, 3, false);
    h.settle();
    h.engine.setForeground(9, true, false);
    EXPECT_EQ(h.tickAndTake(), Lines{"Key vk=44 scan=20 flags=2"});
}

// A small push of an accelerated trigger axis falls below zero on the curve.
TEST(SteadyJoystick, AnAcceleratedAxisSlotLetsGoOnItsCurve) {
    SteadyJoystick h;
    keyboard(h.slot(0, 12), {0x45}).accelerationFactor = 2.0f;
    h.devices.devices[0].state.axes[6] = -1000;
    h.settle();
    h.devices.devices[0].state.axes[6] = -100;
    EXPECT_EQ(h.tickAndTake(), Lines{"Key vk=45 scan=12 flags=2"});
}

// Held long enough, shift and profile-switch slots act without any change of input.
TEST(SteadyJoystick, HeldSwitchesActAfterTheirDelay) {
    SteadyJoystick h;
    JoyButton& shift = h.own(5);
    shift.type = AssignType::JoystickShift;
    shift.shiftTarget = 1;
    shift.switchDelay = 100;
    h.press(0, 5);
    h.settle();
    EXPECT_EQ(h.tickAndTake(8), (Lines{"Key vk=41 scan=1E flags=2", kBUp, "Key vk=43 scan=2E flags=2"}));

    SteadyJoystick p;
    JoyButton& profileSwitch = p.own(5);
    profileSwitch.type = AssignType::ProfileSwitch;
    profileSwitch.targetName = "next";
    profileSwitch.switchDelay = 100;
    p.press(0, 5);
    p.settle();
    p.tick(8);
    EXPECT_FALSE(p.profiles.switchRequests.empty());
}

// A new profile meets the held buttons with its input rule, here: ignored
// until let go once, even where nothing is assigned.
TEST(SteadyJoystick, ANewProfileAppliesItsInputRule) {
    SteadyJoystick h;
    h.settle();
    ConfigFile next;
    next.setNumberOfJoysticks(2);
    h.settings.ignoreInputAfterProfileSwitch = -1;
    h.profiles.profile = &next;
    h.engine.ResetShiftTracking(next);
    h.tick();
    EXPECT_TRUE(h.log.contains(LogLevel::Debug, "Button[57]: Input will be ignored for -1"));

    keyboard(next.joystick(0)->slot(kButton1 + 1), {0x5A});
    h.tick(2);
    h.press(0, 1, false);
    h.tick();
    EXPECT_TRUE(h.log.contains(LogLevel::Debug, "Button[57]: Button is released so input will take effect from now on"));
    h.events().clear();
    h.press(0, 1);
    EXPECT_EQ(h.tickAndTake(), Lines{"Key vk=5A scan=2C flags=0"});
}

}  // namespace
}  // namespace vrx::test
