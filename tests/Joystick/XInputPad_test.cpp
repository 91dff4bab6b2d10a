#include <gtest/gtest.h>

#include "ConfigFileManager/ProfileSettings.h"
#include "Joystick/XInputPad.h"

namespace vrx::test {
namespace {

struct PadPoll {
    ProfileSettings profile;
    std::array<int, 4> lastAxis{};
    JoystickSnapshot snapshot;

    const JoystickSnapshot& poll(const XInputPadState& pad, int deadZone = 0) {
        snapshot = JoystickSnapshot{};
        fillXInputSnapshot(pad, deadZone, profile, lastAxis, snapshot);
        return snapshot;
    }
};

TEST(XInputPad, SticksScaleToTheAxisRangeWithUpNegative) {
    PadPoll p;
    XInputPadState pad;
    pad.thumbLX = -32768;
    pad.thumbLY = 32767;
    pad.thumbRX = 16384;
    pad.thumbRY = -1;
    const auto& s = p.poll(pad);
    EXPECT_EQ(s.axisValue[0], -1000);
    EXPECT_EQ(s.axisValue[1], -1000);
    EXPECT_GT(s.slotValue[axisSlot(2, true)], 0);  // stick 2 right
    EXPECT_EQ(s.axisValue[3], 0);  // truncated toward zero
    EXPECT_EQ(s.slotValue[axisSlot(0, false)], 1000);  // left
    EXPECT_EQ(s.slotValue[axisSlot(1, false)], 1000);  // up
    EXPECT_TRUE(s.axisMoved);
    EXPECT_FALSE(p.poll(pad).axisMoved);  // the live display shows nothing new
}

TEST(XInputPad, TriggersAreButtonsPast30AndAnAxisPast55) {
    PadPoll p;
    XInputPadState pad;
    pad.leftTrigger = 31;
    pad.rightTrigger = 55;
    auto s = p.poll(pad);
    EXPECT_EQ(s.slotValue[buttonSlot(10)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(11)], 1000);
    EXPECT_EQ(s.slotValue[axisSlot(4, false)], 0);
    EXPECT_EQ(s.slotValue[axisSlot(4, true)], 0);
    pad.rightTrigger = 56;
    pad.leftTrigger = 255;
    s = p.poll(pad);
    EXPECT_EQ(s.slotValue[axisSlot(4, false)], 5);
    EXPECT_EQ(s.slotValue[axisSlot(4, true)], 1000);
}

TEST(XInputPad, ButtonsTakeTheirFixedSlots) {
    PadPoll p;
    XInputPadState pad;
    pad.buttons = xinput::kA | xinput::kStart | xinput::kGuide;
    const auto& s = p.poll(pad);
    EXPECT_EQ(s.slotValue[buttonSlot(0)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(7)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(12)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(1)], 0);
}

TEST(XInputPad, DpadIsHatOneWithOneDirectionInEightWayMode) {
    PadPoll p;
    XInputPadState pad;
    pad.buttons = xinput::kDpadUp | xinput::kDpadDown | xinput::kDpadLeft;
    auto s = p.poll(pad);
    EXPECT_EQ(s.slotValue[kFirstPovSlot + 0], 1000);
    EXPECT_EQ(s.slotValue[kFirstPovSlot + 4], 1000);
    EXPECT_EQ(s.slotValue[kFirstPovSlot + 6], 1000);
    p.profile.usePOV8Way = true;
    s = p.poll(pad);
    for (int d = 0; d < 8; ++d) EXPECT_EQ(s.slotValue[kFirstPovSlot + d], d == 7 ? 1000 : 0) << d;
}

}  // namespace
}  // namespace vrx::test
