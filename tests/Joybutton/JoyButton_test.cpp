#include <gtest/gtest.h>

#include "Joybutton/JoyButton.h"
#include "Joybutton/ScanCodes.h"
#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

JoyButton everythingSet() {
    JoyButton b;
    b.parseLine("7, 3, 300, 41:A0:0:0, 42:0:0:0, 43:0:0:0, 0:0:0:0, 50, 80, 2.000, 1, 100, 40, 500  ##c", 74);
    b.targetName = "t";
    b.programParameters = "p";
    b.programStartFrom = "s";
    b.pasteText = "x";
    b.commandSteps = {{{0x41, 0, 0, 0}, {}, 100}};
    b.runtime.slotPressed = true;
    b.runtime.ignoreCounter = -1;
    b.runtime.forcedState = 2;
    return b;
}

TEST(JoyButton, ResetKeepsOnlyWhereTheSlotLives) {
    JoyButton b = everythingSet();
    b.joystickIndex = 3;
    b.slotIndex = 77;
    b.reset();
    EXPECT_TRUE(b.sameConfiguration(JoyButton{}));
    EXPECT_EQ(b.runtime.forcedState, -1);
    EXPECT_FALSE(b.runtime.slotPressed);
    EXPECT_EQ(b.joystickIndex, 3);
    EXPECT_EQ(b.slotIndex, 77);
    EXPECT_EQ(b.minimumHoldDuration, 20);
    EXPECT_EQ(b.shiftTarget, 100);
    EXPECT_EQ(b.mouseCenterX, 50.0f);
}

TEST(JoyButton, CopyFromTakesTheConfigurationButNotTheState) {
    const JoyButton source = everythingSet();
    JoyButton target;
    target.joystickIndex = 1;
    target.slotIndex = 60;
    target.copyFrom(source);
    EXPECT_TRUE(target.sameConfiguration(source));
    EXPECT_EQ(target.commandSteps.size(), 1u);
    EXPECT_EQ(target.commandSteps[0].scanCodes[0], 0x1Eu);
    EXPECT_EQ(target.scanCodes[1], 0x2Au);
    EXPECT_FALSE(target.runtime.slotPressed);
    EXPECT_EQ(target.runtime.ignoreCounter, 0);
    EXPECT_EQ(target.runtime.forcedState, -1);
    EXPECT_EQ(target.joystickIndex, 1);
    EXPECT_EQ(target.slotIndex, 60);
}

TEST(JoyButton, SameOutputOnlyForHeldOutputThatCanCarryOver) {
    JoyButton a, b;
    a.type = b.type = AssignType::Keyboard;
    a.keys[0] = b.keys[0] = 0x41;
    a.autoRepeatRate = 5.0f;   // repetition is not the output itself
    b.keys[4] = 0x42;          // nor are keys a Keyboard slot never uses
    EXPECT_TRUE(a.sameOutput(b));
    b.keys[3] = 0x43;
    EXPECT_FALSE(a.sameOutput(b));

    JoyButton m1, m2;
    m1.type = m2.type = AssignType::Mouse;
    m1.mouseMoveX = 50;
    EXPECT_TRUE(m1.sameOutput(m2));
    m2.mouseButton5 = 1;
    EXPECT_FALSE(m1.sameOutput(m2));

    JoyButton k1, k2;
    k1.type = k2.type = AssignType::KeyboardMulti;
    k1.switchMode = k2.switchMode = SwitchMode::MultiSwitch2;
    k1.keys[15] = k2.keys[15] = 0x20;
    EXPECT_TRUE(k1.sameOutput(k2));
    k2.switchMode = SwitchMode::MultiSwitch3;
    EXPECT_FALSE(k1.sameOutput(k2));

    JoyButton l1, l2;
    l1.type = l2.type = AssignType::LaunchProgram;
    EXPECT_FALSE(l1.sameOutput(l2));
    EXPECT_FALSE(JoyButton{}.sameOutput(JoyButton{}));
    JoyButton keyboardA = a;
    JoyButton mouseA = a;
    mouseA.type = AssignType::Mouse;
    EXPECT_FALSE(keyboardA.sameOutput(mouseA));
}

struct ScanCase {
    KeyCode code;
    uint32_t scan;
};

TEST(ScanCodes, FixedLayoutAndRawCodes) {
    const ScanCase cases[] = {
        {0x00, 0x000},      {0x41, 0x01E},      {0xA2, 0x01D},  {0xA3, 0x11D},  {0xA5, 0x138},
        {0x12, 0x15D},      {0x13, 0x145},      {0x5B, 0x15B},  {0xAD, 0x120},  {0xB3, 0x122},
        {0x25, 0x14B},      {0x2E, 0x153},      {0x6F, 0x135},  {0x90, 0x145},  {0x2C, 0x154},
        {0x64, 0x04B},      {0x0D, 0x01C},      {0x101, 0x000}, {0x201, 0x000}, {0x805, 0x000},
        {0x1E0000, 0x01E}, {0x11D0000, 0x11D}, {0x1E0100, 0x000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scanCodeFor(c.code, usKeyboardLayout()), c.scan) << std::hex << "code " << c.code;
}

}  // namespace
}  // namespace vrx
