// The assignment dialog's mouse pages: relative movement, clicks, wheels,
// factors, and the absolute position with its preview.
#include <gtest/gtest.h>

#include "support/AssignFormFixture.h"

namespace vrx::test {
namespace {

TEST(AssignFormMouse, OpeningShowsTheRecord) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::Mouse;
    record.mouseMoveX = 0;
    record.mouseMoveY = -30;
    record.mouseWheelV = -20;
    record.mouseWheelH = 15;
    record.mouseMiddle = 1;
    record.accelerationFactor = 2.5f;
    record.analogFactor = 150;
    f.open(record);
    EXPECT_EQ(f.state().page, kPageMouse);
    EXPECT_TRUE(f.state().cbMouseUp);
    EXPECT_FALSE(f.state().cbMouseDown);
    EXPECT_EQ(f.state().tbMouseSpeed, 30);
    EXPECT_EQ(f.form.lblMouseSpeed(), "30");
    EXPECT_EQ(f.form.lblMouseWheelV(), "20");  // up reads positive
    EXPECT_EQ(f.form.lblMouseWheelH(), "15");
    EXPECT_EQ(f.form.lblAccelerationFactor(), "x 2.5");
    EXPECT_EQ(f.form.lblAnalogFactor(), "150%");
    EXPECT_EQ(f.state().mouseClicks, (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_EQ(f.state().mouseClicks2, f.state().mouseClicks);
    EXPECT_EQ(f.form.FormActivate(), (AssignFocus{"cbMouseL", false}));
}

TEST(AssignFormMouse, SpeedFallsBackToTheOtherAxisThenFifty) {
    const struct {
        int x, y, speed;
    } cases[] = {{0, 0, 50}, {-12, 0, 12}, {7, 40, 40}};
    for (const auto& c : cases) {
        AssignFormFixture f;
        JoyButton record;
        record.type = AssignType::Mouse;
        record.mouseMoveX = c.x;
        record.mouseMoveY = c.y;
        f.open(record);
        EXPECT_EQ(f.state().tbMouseSpeed, c.speed) << c.x << "," << c.y;
    }
}

TEST(AssignFormMouse, OppositeDirectionsExcludeEachOther) {
    AssignFormFixture f;
    f.open();
    f.form.cbMouseUpClick(true);
    f.form.cbMouseDownClick(true);
    EXPECT_FALSE(f.state().cbMouseUp);
    f.form.cbMouseLeftClick(true);
    f.form.cbMouseRightClick(true);
    f.form.cbMouseLeftClick(true);
    EXPECT_FALSE(f.state().cbMouseRight);
    EXPECT_TRUE(f.state().cbMouseLeft);
    EXPECT_TRUE(f.state().cbMouseDown);
    f.form.cbMouseDownClick(false);
    EXPECT_FALSE(f.state().cbMouseUp);
}

TEST(AssignFormMouse, PageTwoStoresNoneUntilSomethingIsSet) {
    const struct {
        const char* name;
        void (*set)(AssignForm&);
        AssignType type;
    } cases[] = {
        {"nothing", [](AssignForm&) {}, AssignType::None},
        {"analog factor 150", [](AssignForm& form) { form.tbAnalogFactorChange(150); }, AssignType::Mouse},
        {"a click", [](AssignForm& form) { form.cbMouseClick(kClick5, true); }, AssignType::Mouse},
        {"a wheel", [](AssignForm& form) { form.tbMouseWheelHChange(-3); }, AssignType::Mouse},
        {"a direction", [](AssignForm& form) { form.cbMouseRightClick(true); }, AssignType::Mouse},
        {"only the speed", [](AssignForm& form) { form.tbMouseSpeedChange(80); }, AssignType::None},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        f.form.PageControl1Change(kPageMouse);
        c.set(f.form);
        f.ok();
        EXPECT_EQ(f.slot().type, c.type) << c.name;
    }
}

TEST(AssignFormMouse, StoresMovementFactorsAndClicks) {
    AssignFormFixture f;
    f.open();
    f.form.PageControl1Change(kPageMouse);
    f.form.cbMouseLeftClick(true);
    f.form.cbMouseDownClick(true);
    f.form.tbMouseSpeedChange(70);
    f.form.tbAccelerationFactorChange(35);
    f.form.cbMouseClick(kClickRight, true);
    f.form.cbMouse_2Click(kClickLeft, true);  // the other page's row is not stored
    f.ok();
    const JoyButton& stored = f.slot();
    EXPECT_EQ(stored.type, AssignType::Mouse);
    EXPECT_EQ(stored.mouseMoveX, -70);
    EXPECT_EQ(stored.mouseMoveY, 70);
    EXPECT_FLOAT_EQ(stored.accelerationFactor, 3.5f);
    EXPECT_EQ(stored.mouseRight, 1);
    EXPECT_EQ(stored.mouseLeft, 0);
    f.form.btnAnalogFactorDefaultClick();
    EXPECT_EQ(f.state().tbAnalogFactor, 100);
}

TEST(AssignFormAbsolute, OpeningChoosesTargetOrRange) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::MouseAbsolute;
    record.mouseCenterX = 50.0f;
    record.mouseCenterY = 12.345f;
    f.open(record);
    EXPECT_EQ(f.state().editMouseCenterX, "50.00");
    EXPECT_EQ(f.state().editMouseCenterY, "12.35");
    EXPECT_FALSE(f.state().rbMouseAbsRange);
    EXPECT_FALSE(f.form.rangeBarsEnabled());
    EXPECT_EQ(f.form.lblMouseAbsCenter(), "目標座標");

    record.mouseAbsRangeY = -20;
    f.open(record);
    EXPECT_TRUE(f.state().rbMouseAbsRange);
    EXPECT_EQ(f.form.lblMouseAbsCenter(), "中心座標");
    EXPECT_EQ(f.form.lblMouseAbsY(), "-20");
}

TEST(AssignFormAbsolute, RangeLiesAlongOneAxis) {
    AssignFormFixture f;
    f.open();
    f.form.tbMouseAbsRangeXChange(40);
    f.form.tbMouseAbsRangeYChange(-10);
    EXPECT_EQ(f.state().tbMouseAbsRangeX, 0);
    EXPECT_EQ(f.state().tbMouseAbsRangeY, -10);
    f.form.tbMouseAbsRangeXChange(25);
    EXPECT_EQ(f.state().tbMouseAbsRangeY, 0);
    EXPECT_EQ(f.form.lblMouseAbsX(), "25");
}

TEST(AssignFormAbsolute, PreviewGeometry) {
    AssignFormFixture f;
    f.open();
    f.form.editMouseCenterChange(CentreBox::X, "25");
    f.form.editMouseCenterChange(CentreBox::Y, "50");
    f.form.rbMouseAbsRangeClick(true);
    f.form.tbMouseAbsRangeXChange(-10);
    AbsolutePreview shown = f.form.preview(200, 100);
    EXPECT_EQ(shown.centreX, 50);
    EXPECT_EQ(shown.centreY, 50);
    EXPECT_TRUE(shown.line);
    EXPECT_EQ(shown.lineEndX, 30);
    EXPECT_EQ(shown.lineEndY, 50);
    f.form.rbMouseAbsRangeClick(false);
    EXPECT_FALSE(f.form.preview(200, 100).line);
}

TEST(AssignFormAbsolute, CentreBoxesWantANumberOfAtLeastZero) {
    const struct {
        const char* text;
        bool refused;
    } cases[] = {{"12.5", false}, {"0", false}, {"150", false}, {"-1", true}, {"abc", true}, {"", true}};
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        f.form.editMouseCenterChange(CentreBox::Y, c.text);
        f.form.validateFloatInput(CentreBox::Y);
        EXPECT_EQ(f.ui.shown.size(), c.refused ? 1u : 0u) << c.text;
        if (c.refused) {
            EXPECT_EQ(f.ui.shown[0], "Error: 0.0 以上の数字を入れてください");
            EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"editMouseCenterY", false}));
        }
    }
}

TEST(AssignFormAbsolute, StoresRangeOnlyInRangeMode) {
    AssignFormFixture f;
    f.open();
    f.form.PageControl1Change(kPageMouseAbsolute);
    f.form.editMouseCenterChange(CentreBox::X, "33.25");
    f.form.editMouseCenterChange(CentreBox::Y, "120");
    f.form.tbMouseAbsRangeYChange(30);
    f.form.cbMouse_2Click(kClickLeft, true);
    f.form.rbMouseAbsRangeClick(false);
    f.ok();
    const JoyButton& stored = f.slot();
    EXPECT_EQ(stored.type, AssignType::MouseAbsolute);
    EXPECT_FLOAT_EQ(stored.mouseCenterX, 33.25f);
    EXPECT_FLOAT_EQ(stored.mouseCenterY, 120.0f);
    EXPECT_EQ(stored.mouseAbsRangeY, 0);
    EXPECT_EQ(stored.mouseLeft, 1);
}

}  // namespace
}  // namespace vrx::test
