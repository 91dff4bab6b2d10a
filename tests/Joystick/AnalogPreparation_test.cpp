#include <gtest/gtest.h>

#include "support/EngineHarness.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

JoyButton& mouse(JoyButton& b, int moveX, int moveY) {
    b.type = AssignType::Mouse;
    b.mouseMoveX = moveX;
    b.mouseMoveY = moveY;
    return b;
}

JoyButton& analogSwitch(JoyButton& b, int t1, int t2, std::initializer_list<KeyCode> inputs) {
    b.type = AssignType::KeyboardMulti;
    b.switchMode = SwitchMode::AnalogSwitch;
    b.analogThreshold1 = t1;
    b.analogThreshold2 = t2;
    int i = 0;
    for (KeyCode c : inputs) b.keys[4 * i++] = c;
    b.prepare();
    return b;
}

struct AnalogFixture : EngineHarness {
    AnalogFixture() {
        log.setDebugEnabled(false);
        profile.settings.threshold = 0;
        devices.add();
    }
    void stick(int x, int y) {
        devices.devices[0].state.axes[0] = x;
        devices.devices[0].state.axes[1] = y;
    }
    Lines tickAndTake() {
        events().clear();
        tick();
        return events();
    }
};

TEST(MouseOutput, FullDeflectionMovesTwelvePixelsAndCarriesTheRest) {
    AnalogFixture h;
    mouse(h.slot(0, 1), 50, 0);
    h.stick(1000, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveRelative dx=12 dy=0"}));
    EXPECT_EQ(h.slot(0, 1).runtime.mouseRemainderX, 848);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveRelative dx=12 dy=0"}));
    EXPECT_EQ(h.slot(0, 1).runtime.mouseRemainderX, 1696);
}

TEST(MouseOutput, AHeldSlowDownSlotHalvesTheMovement) {
    AnalogFixture h;
    mouse(h.slot(0, 1), 50, 0);
    mouse(h.slot(0, kFirstButtonSlot), 0, 0).analogFactor = 50;
    h.stick(1000, 0);
    h.press(0, 0);
    // 500 at speed 50: 25000 / 4096 = 6.1 pixels.
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveRelative dx=6 dy=0"}));
}

TEST(MouseOutput, AccelerationOnADiagonal) {
    AnalogFixture h;
    for (int s = 0; s < 4; ++s) mouse(h.slot(0, s), s < 2 ? (s == 0 ? -10 : 10) : 0, s >= 2 ? (s == 2 ? -10 : 10) : 0)
                                    .accelerationFactor = 2.0f;
    h.stick(707, -707);
    // Both values become 1413: 14130 / 4096 = 3 pixels with 1842 carried.
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveRelative dx=3 dy=0", "MouseMoveRelative dx=0 dy=-4"}));
}

TEST(MouseOutput, WheelTurnsANotchAboutEverySeventhTick) {
    AnalogFixture h;
    mouse(h.slot(0, kFirstButtonSlot), 0, 0).mouseWheelV = 10;
    h.press(0, 0);
    std::vector<int> notches;
    for (int t = 1; t <= 14; ++t)
        for (const auto& line : h.tickAndTake())
            if (line == "MouseWheel delta=120") notches.push_back(t);
    EXPECT_EQ(notches, (std::vector<int>{7, 14}));  // 70000 keeps 4464, then 7 more ticks
}

TEST(MouseOutput, ClicksFollowTheButtonAndTheRepeat) {
    AnalogFixture h;
    JoyButton& click = mouse(h.slot(0, kFirstButtonSlot), 0, 0);
    click.mouseLeft = 1;
    h.press(0, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseButtons down=1 up=0 left=1 middle=0 right=0 x1=0 x2=0"}));
    EXPECT_EQ(h.tickAndTake(), Lines{});
    h.press(0, 0, false);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseButtons down=0 up=1 left=1 middle=0 right=0 x1=0 x2=0"}));
    EXPECT_EQ(h.senders.record.mouseButtonsDown, 0);
}

TEST(MouseAbsolute, PressPlacesTheCursorEveryTick) {
    AnalogFixture h;
    JoyButton& b = h.slot(0, kFirstButtonSlot);
    b.type = AssignType::MouseAbsolute;
    b.mouseCenterX = 25.0f;
    b.mouseCenterY = 75.0f;
    h.press(0, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveAbsolute x=16384 y=49152"}));
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveAbsolute x=16384 y=49152"}));
}

TEST(MouseAbsolute, AnAxisPlacesWithinItsRange) {
    AnalogFixture h;
    JoyButton& b = h.slot(0, 0);
    b.type = AssignType::MouseAbsolute;
    b.mouseAbsRangeX = 50;
    h.stick(-1000, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveAbsolute x=65536 y=32768"}));
    h.stick(1000, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"MouseMoveAbsolute x=0 y=32768"}));
}

TEST(AnalogSwitch, ButtonsChooseByTheirOwnValue) {
    AnalogFixture h;
    analogSwitch(h.slot(0, 9), 95, 100, {0x31, 0x32, 0x33});
    h.devices.devices[0].state.axes[4] = 900;  // axis 5, positive: slot 9
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=31 scan=02 flags=0"}));
    h.devices.devices[0].state.axes[4] = 1000;
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=31 scan=02 flags=2", "Key vk=32 scan=03 flags=0"}));
    h.devices.devices[0].state.axes[4] = 0;
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=32 scan=03 flags=2"}));
}

TEST(AnalogSwitch, AStickIsLevelledByItsOverallDeflection) {
    AnalogFixture h;
    analogSwitch(h.slot(0, 1), 30, 70, {0x31, 0x32, 0x33});  // right
    analogSwitch(h.slot(0, 2), 30, 70, {0x34, 0x35, 0x36});  // up
    analogSwitch(h.slot(0, 0), 30, 70, {0x37, 0x38, 0x39});  // left: makes the group level
    h.stick(500, -500);
    // Each axis alone is 500 (input 2), but the stick is out 707: input 3 on both.
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=33 scan=04 flags=0", "Key vk=36 scan=07 flags=0"}));

    h.stick(0, 0);
    h.tick();
    h.stick(300, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=31 scan=02 flags=0"}));  // r = 300 is not above 300
    h.stick(600, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=31 scan=02 flags=2", "Key vk=32 scan=03 flags=0"}));
    h.stick(900, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=32 scan=03 flags=2", "Key vk=33 scan=04 flags=0"}));
    h.stick(0, 0);
    EXPECT_EQ(h.tickAndTake(), (Lines{"Key vk=33 scan=04 flags=2"}));
}

TEST(AnalogPreparation, AbsurdFactorsStayInRange) {
    AnalogFixture h;
    h.profile.settings.numberOfButtons = 128;
    for (int b = 0; b < 128; ++b) mouse(h.slot(0, kFirstButtonSlot + b), 100, 100).analogFactor = 400;
    h.devices.devices[0].state.buttons.fill(true);
    h.tick(3);
    EXPECT_FALSE(h.events().empty());
}

}  // namespace
}  // namespace vrx::test
