#include "Joystick/PressedState.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

constexpr int kActive = activeSlotCount(8);
constexpr int kThreshold = 20;

struct Step {
    int joystick;
    SlotIndex slot;
    int32_t value;
    bool changed, pressed, anyPressed;
    int pressTick;
};

// Each step is one tick with one slot set. Edges are reported once, holding
// keeps the tick of the rising edge, and a value at the threshold, a slot
// past activeSlots or another joystick's slot is not a press.
TEST(PressedStateMemory, ReportsEdgesAndKeepsPressTick) {
    const Step steps[] = {
        {0, 57, kThreshold, false, false, false, 0}, {0, 57, kThreshold + 1, true, true, true, 2},
        {0, 57, 1000, false, true, true, 2},         {1, 57, 1000, true, true, true, 4},
        {0, 57, kThreshold, true, false, false, 2},  {0, 57, 1000, true, true, true, 6},
        {0, kActive, 1000, true, false, false, 0},   {1, 57, 1000, false, true, true, 4},
    };
    PressedStateMemory memory;
    for (int tick = 1; const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "tick " << tick);
        SlotValues out{};
        out[s.slot] = s.value;
        EXPECT_EQ(memory.update(s.joystick, out, kActive, kThreshold, tick), s.changed);
        EXPECT_EQ(memory.pressedFlag[s.joystick][s.slot] != 0, s.pressed);
        EXPECT_EQ(memory.anyPressed[s.joystick], s.anyPressed);
        EXPECT_EQ(memory.pressTick[s.joystick][s.slot], s.pressTick);
        ++tick;
    }
}

// Repeated values change nothing, unless detection was reset in between or
// the threshold moved past them.
TEST(PressedStateMemory, RepeatedValuesAreJudgedAgainAfterAResetOrANewThreshold) {
    PressedStateMemory memory;
    SlotValues out{};
    out[57] = 100;
    EXPECT_TRUE(memory.update(0, out, kActive, kThreshold, 1));
    EXPECT_FALSE(memory.update(0, out, kActive, kThreshold, 2));
    memory.resetFlags();
    EXPECT_TRUE(memory.update(0, out, kActive, kThreshold, 3));
    EXPECT_TRUE(memory.anyPressed[0]);
    EXPECT_EQ(memory.pressTick[0][57], 3);
    EXPECT_TRUE(memory.update(0, out, kActive, 100, 4));
    EXPECT_FALSE(memory.anyPressed[0]);
}

}  // namespace
}  // namespace vrx
