#include "Joystick/SlotKinds.h"

#include <gtest/gtest.h>

#include "Joybutton/JoystickConfig.h"
#include "support/EngineHarness.h"
#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

constexpr int kButton1 = kFirstButtonSlot;

struct KindCase {
    const char* name;
    void (*assign)(JoyButton&);
    SlotKinds expected;
};

TEST(SlotKinds, FollowTheSlotsAJoystickHolds) {
    const KindCase cases[] = {
        {"plain keys", [](JoyButton& b) { keyboard(b, {0x41}); }, {false, false, false}},
        {"mouse at the normal factor", [](JoyButton& b) { b.type = AssignType::Mouse; }, {false, false, false}},
        {"shift",
         [](JoyButton& b) {
             b.type = AssignType::JoystickShift;
             b.shiftTarget = 1;
         },
         {true, false, false}},
        {"absolute mouse", [](JoyButton& b) { b.type = AssignType::MouseAbsolute; }, {false, true, false}},
        {"mouse with a factor",
         [](JoyButton& b) {
             b.type = AssignType::Mouse;
             b.analogFactor = 150;
         },
         {false, true, false}},
        {"trigger key", [](JoyButton& b) { keyboard(b, {0x41, triggerKey(3)}); }, {false, false, true}},
        {"trigger in a command step",
         [](JoyButton& b) {
             b.type = AssignType::Command;
             b.commandSteps.push_back(CommandStep{{triggerKey(3)}, {}, 100});
         },
         {false, false, true}},
        {"trigger codes left in an unassigned slot",
         [](JoyButton& b) { b.keys[0] = triggerKey(3); },
         {false, false, false}},
    };
    for (const KindCase& c : cases) {
        JoystickConfig config(0);
        JoyButton& slot = config.slot(kButton1 + 7);
        c.assign(slot);
        slot.prepare();
        const SlotKinds kinds = slotKindsOf(config);
        EXPECT_EQ(kinds.shifts, c.expected.shifts) << c.name;
        EXPECT_EQ(kinds.scalesAnalog, c.expected.scalesAnalog) << c.name;
        EXPECT_EQ(kinds.triggers, c.expected.triggers) << c.name;
    }
}

TEST(SlotKindCache, LooksAgainOnceASlotHasChanged) {
    JoystickConfig config(3);
    SlotKindCache cache;
    EXPECT_FALSE(cache.kindsOf(config).shifts);

    JoyButton& slot = config.slot(kButton1);
    slot.type = AssignType::JoystickShift;
    slot.shiftTarget = 0;
    slot.prepare();
    EXPECT_TRUE(cache.kindsOf(config).shifts);

    // Another configuration with the same joystick number, as a switched-to
    // profile has, is not taken for the first.
    JoystickConfig other(3);
    EXPECT_FALSE(cache.kindsOf(other).shifts);
}

// Values are filtered in the pass that runs the slots unless a slot can
// trigger others. A trigger must then still act in the tick after it: the
// released trigger slot runs in the same pass as, and before, the slot it
// holds, and must not let go of it in that same tick.
TEST(SlotKindsInTheTick, ATriggeredSlotFollowsItsTriggerOneTickLater) {
    EngineHarness h;
    h.devices.add();
    keyboard(h.slot(0, kButton1), {triggerKey(9)});
    JoyButton& held = keyboard(h.slot(0, kButton1 + 9), {0x42});

    h.press(0, 0);
    h.tick();
    EXPECT_FALSE(held.runtime.slotPressed);
    h.tick();
    EXPECT_TRUE(held.runtime.slotPressed);

    h.press(0, 0, false);
    h.tick();
    EXPECT_TRUE(held.runtime.slotPressed);
    h.tick();
    EXPECT_FALSE(held.runtime.slotPressed);
    EXPECT_FALSE(h.senders.record.anyKeyDown());
}

}  // namespace
}  // namespace vrx::test
