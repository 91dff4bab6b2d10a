#include <gtest/gtest.h>

#include <climits>

#include "Joybutton/DescribeAssignment.h"
#include "Joybutton/JoyButton.h"
#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

JoyButton ofType(AssignType type) {
    JoyButton b;
    b.type = type;
    return b;
}

std::string describe(const JoyButton& b) { return DescribeAssignment(b, usKeyboardLayout()); }

TEST(DescribeAssignment, KeyboardListsItsChord) {
    JoyButton b = ofType(AssignType::Keyboard);
    b.keys = {0x41, 0x10, 0, 0x11, 0x42};  // the list stops at the empty key; key 4 is not the chord's
    EXPECT_EQ(describe(b), "A, Shift");
    b.keys = {};
    EXPECT_EQ(describe(b), "None");
}

TEST(DescribeAssignment, MouseNamesOnlyThePartsThatAreSet) {
    JoyButton b = ofType(AssignType::Mouse);
    EXPECT_EQ(describe(b), "Mouse: ");
    b.analogFactor = 150;
    EXPECT_EQ(describe(b), "Mouse: 速度調整(150%)");

    b = ofType(AssignType::Mouse);
    b.mouseMoveY = -20;
    b.mouseLeft = 1;
    EXPECT_EQ(describe(b), "Mouse: ↑(20) 左Click ");

    b = ofType(AssignType::Mouse);
    b.mouseMoveY = 5;
    b.mouseMoveX = -3;
    b.accelerationFactor = 2.5f;
    b.mouseMiddle = b.mouseRight = b.mouseButton4 = b.mouseButton5 = 1;
    b.mouseWheelV = -2;
    b.mouseWheelH = 4;
    b.analogFactor = 50;
    EXPECT_EQ(describe(b), "Mouse: ↓(5) ←(3) x2中Click 右Click Click4 Click5 Wheel(2) HWheel(4) 速度調整(50%)");

    b = ofType(AssignType::Mouse);
    b.mouseMoveX = 7;
    b.accelerationFactor = 1.0f;  // only a factor above 1 accelerates
    b.mouseWheelV = 3;
    EXPECT_EQ(describe(b), "Mouse: →(7) Wheel(-3) ");
}

// A hand-edited profile can hold any 32-bit number; the text must still be
// the number, not an overflow.
TEST(DescribeAssignment, ExtremeFieldValuesStayExact) {
    JoyButton b = ofType(AssignType::Mouse);
    b.mouseMoveY = INT_MIN;
    b.mouseMoveX = INT_MIN;
    b.mouseWheelV = INT_MIN;
    b.accelerationFactor = 1e20f;
    EXPECT_EQ(describe(b), "Mouse: ↑(2147483648) ←(2147483648) x100000002004087734272Wheel(2147483648) ");

    b = ofType(AssignType::JoystickShift);
    b.shiftTarget = INT_MAX;
    EXPECT_EQ(describe(b), "Joystick #2147483648 の設定を使用");

    b = ofType(AssignType::MouseAbsolute);
    b.mouseAbsRangeY = INT_MIN;
    EXPECT_EQ(describe(b), "↑(2147483648) @ (50,50)");
}

TEST(DescribeAssignment, CommandShowsEightStepsAtMost) {
    JoyButton b = ofType(AssignType::Command);
    EXPECT_EQ(describe(b), "");
    b.commandSteps = {{{0x41, 0x10}, {}, 100}, {{0x42}, {}, 50}};
    EXPECT_EQ(describe(b), "A, Shift(100) -> B(50)");
    b.commandSteps = {{{0, 0x41}, {}, 30}};  // a step without a first key is a pause
    EXPECT_EQ(describe(b), "(30)");

    b.commandSteps.clear();
    for (KeyCode k = 0x31; k <= 0x39; ++k) b.commandSteps.push_back({{k}, {}, 10});
    EXPECT_EQ(describe(b), "1(10) -> 2(10) -> 3(10) -> 4(10) -> 5(10) -> 6(10) -> 7(10) -> 8(10) -> ...");
    b.commandSteps.pop_back();
    EXPECT_EQ(describe(b), "1(10) -> 2(10) -> 3(10) -> 4(10) -> 5(10) -> 6(10) -> 7(10) -> 8(10)");
}

TEST(DescribeAssignment, KeyboardMultiJoinsItsInputsByMode) {
    JoyButton b = ofType(AssignType::KeyboardMulti);
    b.keys = {0x41, 0x10, 0, 0, 0x42, 0, 0, 0, 0, 0, 0, 0, 0x44, 0, 0, 0};
    const struct {
        int mode;
        const char* text;
    } cases[] = {
        {0, "None"},
        {1, "A, Shift / B"},
        {2, "A, Shift / B / None"},
        {3, "短押し=A, Shift, 長押し=B, 離す=None"},
        {4, "A, Shift >> B >> None"},
        {5, "A, Shift / B / None / D"},
        {6, "離される=A, Shift, 押される=B"},
        {7, "A, Shift | B | None | D"},
        {8, "A, Shift -> B -> None -> D"},
        {9, "None"},
        {-1, "None"},
    };
    for (const auto& c : cases) {
        b.switchMode = static_cast<SwitchMode>(c.mode);
        EXPECT_EQ(describe(b), c.text) << "mode " << c.mode;
    }
}

TEST(DescribeAssignment, MouseAbsoluteShowsClicksRangeAndTarget) {
    JoyButton b = ofType(AssignType::MouseAbsolute);
    b.mouseLeft = 1;
    EXPECT_EQ(describe(b), "左Click @ (50,50)");
    b.mouseLeft = 0;
    b.mouseButton5 = 1;
    b.mouseAbsRangeY = -10;
    b.mouseAbsRangeX = 20;
    b.mouseCenterX = 33.333f;
    b.mouseCenterY = 150.0f;
    EXPECT_EQ(describe(b), "Click5 ↑(10) →(20) @ (33.33,150)");
}

TEST(DescribeAssignment, NamedTargetsAndTexts) {
    JoyButton b = ofType(AssignType::JoystickShift);
    b.shiftTarget = 2;
    EXPECT_EQ(describe(b), "Joystick #3 の設定を使用");

    b = ofType(AssignType::ProfileSwitch);
    b.targetName = "Game";
    EXPECT_EQ(describe(b), "設定ファイル \"Game\" へ切り替える");

    b = ofType(AssignType::LaunchProgram);
    b.targetName = "C:\\Games\\Game.exe";
    b.programParameters = "-x";
    EXPECT_EQ(describe(b), "実行=C:\\Games\\Game.exe");

    b = ofType(AssignType::PasteText);
    b.pasteText = "line\\nnext ##";
    EXPECT_EQ(describe(b), "line\\nnext ##");
}

TEST(DescribeAssignment, UnknownTypesReadNone) {
    for (int type : {0, 4, 11, -1}) {
        JoyButton b = ofType(static_cast<AssignType>(type));
        b.keys[0] = 0x41;
        EXPECT_EQ(describe(b), "None") << "type " << type;
    }
}

TEST(AutoRepeatText, RateOrPeriod) {
    EXPECT_EQ(AutoRepeatText(0.0f), "---");
    EXPECT_EQ(AutoRepeatText(10.0f), "1/10");
    EXPECT_EQ(AutoRepeatText(2.5f), "1/2.5");
    EXPECT_EQ(AutoRepeatText(-1.5f), "1.5秒");
}

}  // namespace
}  // namespace vrx
