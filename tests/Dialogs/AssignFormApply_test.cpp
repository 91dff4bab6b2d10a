// The assignment dialog's confirming: what each page stores, Clear, the
// lock and release around the change, values kept between the rows of a
// run, the round trip of every type, and the command list's colours.
#include <gtest/gtest.h>

#include <functional>

#include "Joybutton/JoyButtonProcess.h"
#include "support/AssignFormFixture.h"

namespace vrx::test {
namespace {

TEST(AssignFormPages, GroupAndCommentVisibilityFollowThePage) {
    AssignFormFixture f;
    f.open();
    f.form.rbKeyDelayedSwitchClick(SwitchMode::AnalogSwitch);
    const bool groupVisible[kAssignPageCount] = {true, false, true, true, false, false, false};
    for (int page = 0; page < kAssignPageCount; ++page) {
        f.form.PageControl1Change(page);
        EXPECT_EQ(f.form.groupCommonVisible(), groupVisible[page]) << page;
        EXPECT_EQ(f.form.commentVisible(), page != kPageText) << page;
    }
    f.form.PageControl1Change(99);
    EXPECT_EQ(f.state().page, kPageText);
}

TEST(AssignFormApply, PageZeroNeedsTheFirstKey) {
    AssignFormFixture f;
    f.open();
    f.form.Key1KeyDown(1, keyDown('B'));  // Key1 only
    f.ok();
    EXPECT_EQ(f.slot().type, AssignType::None);
    EXPECT_EQ(f.slot().keys[1], KeyCode{'B'});
    EXPECT_EQ(f.form.closeResult(), AssignForm::kResultOk);

    f.open();
    f.form.Key0KeyDown(keyDown('A'));
    f.form.cbAutoRepeatClick(true);
    f.form.editAutoRepeatPerSecChange(RateBox::PerSecond, "8");
    f.form.editAutoRepeatPerSecExit(RateBox::PerSecond);
    f.form.cbAutoDelayedClick(true);
    f.form.integerBoxChange(IntegerBox::AutoRepeatDelay, "350");
    f.form.editCommentChange("jump");
    f.ok();
    EXPECT_EQ(f.slot().type, AssignType::Keyboard);
    EXPECT_FLOAT_EQ(f.slot().autoRepeatRate, 8.0f);
    EXPECT_EQ(f.slot().autoRepeatDelay, 350);
    EXPECT_EQ(f.slot().comment, "jump");
}

TEST(AssignFormApply, ClearThenOkStoresNoneFromAnyPage) {
    JoyButton keyboard;
    keyboard.type = AssignType::Keyboard;
    keyboard.keys[0] = 'A';
    keyboard.autoRepeatRate = 5;
    keyboard.toggle = 1;
    keyboard.comment = "old";
    JoyButton mouse;
    mouse.type = AssignType::Mouse;
    mouse.analogFactor = 200;
    mouse.mouseMoveX = 5;
    JoyButton text;
    text.type = AssignType::PasteText;
    text.pasteText = "x";
    JoyButton shift;
    shift.type = AssignType::JoystickShift;
    shift.shiftTarget = 1;
    JoyButton command;
    command.type = AssignType::Command;
    command.commandSteps.resize(2);
    for (const JoyButton* record : {&keyboard, &mouse, &text, &shift, &command}) {
        AssignFormFixture f;
        f.open(*record);
        f.form.btnClearClick();
        EXPECT_EQ(f.slot().type, record->type) << "Clear alone changes nothing";
        EXPECT_EQ(f.state().page, kPageKeyboard);
        f.ok();
        const JoyButton& stored = f.slot();
        EXPECT_EQ(stored.type, AssignType::None) << static_cast<int>(record->type);
        EXPECT_EQ(stored.keys[0], key::None);
        EXPECT_EQ(stored.autoRepeatRate, 0.0f);
        EXPECT_EQ(stored.toggle, 0);
        EXPECT_EQ(stored.mouseMoveX, 0);
        EXPECT_EQ(stored.comment, "");
        EXPECT_TRUE(stored.commandSteps.empty());
    }
}

TEST(AssignFormApply, ClearResetsTheControls) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::MouseAbsolute;
    record.mouseCenterX = 10;
    record.mouseLeft = 1;
    f.open(record);
    f.form.cbShiftKeyChange(1);
    f.form.cbSwitchProfileDelayedClick(true);
    f.form.tbAccelerationFactorChange(40);
    f.form.rbKeyDelayedSwitchClick(SwitchMode::RepeatSwitch);
    f.form.btnClearClick();
    const AssignFormState& s = f.state();
    EXPECT_EQ(s.editMouseCenterX, "50.00");
    EXPECT_TRUE(s.rbMouseAbsRange);
    EXPECT_EQ(s.mouseClicks2, (std::array<bool, 5>{}));
    EXPECT_EQ(s.cbShiftKey, 0);
    EXPECT_FALSE(s.cbSwitchProfileDelayed);
    EXPECT_EQ(f.form.lblAccelerationFactor(), "x 1.0");
    EXPECT_EQ(s.multiMode, SwitchMode::MultiSwitch2);
    EXPECT_EQ(s.editKeySwitchDelay, "500");
    EXPECT_FALSE(f.form.autoRepeatDelayEnabled());
    EXPECT_EQ(s.editAutoRepeatDelay, "700");
}

TEST(AssignFormApply, ReleasesTheSlotUnderTheLockAndMarksTheProfile) {
    AssignFormFixture f;
    JoyButton& held = f.slot();
    held.type = AssignType::Keyboard;
    held.keys[0] = 'A';
    held.prepare();
    Process(held, ToggleFilter(held, kFullValue, f.tick), f.tick);
    ASSERT_FALSE(f.senders.record.lines.empty());
    f.senders.record.lines.clear();
    f.open();
    f.form.PMKeyClearClick(0);
    f.form.Key0KeyDown(keyDown('B'));
    const int entries = f.lock.entries;
    f.ok();
    EXPECT_GT(f.lock.entries, entries);
    EXPECT_EQ(f.lock.depth, 0);
    EXPECT_TRUE(f.profile.modified);
    EXPECT_FALSE(f.senders.record.lines.empty()) << "the held A goes up";
    EXPECT_EQ(f.slot().keys[0], KeyCode{'B'});
}

TEST(AssignFormApply, CancelLeavesTheRecord) {
    AssignFormFixture f;
    f.open();
    f.form.Key0KeyDown(keyDown('A'));
    f.form.btnCancelClick();
    EXPECT_EQ(f.form.closeResult(), AssignForm::kResultCancel);
    EXPECT_EQ(f.slot().type, AssignType::None);
    EXPECT_FALSE(f.profile.modified);
}

TEST(AssignFormApply, ControlsNotFilledCarryOverToTheNextRow) {
    AssignFormFixture f;
    f.open();
    f.form.cbKeySelectChange(7);
    f.form.integerBoxChange(IntegerBox::ShiftKeyDelay, "900");
    f.form.integerBoxChange(IntegerBox::KeyRepeatSwitch, "222");
    f.form.btnGoToNextClick();
    EXPECT_EQ(f.form.closeResult(), kEditNext);
    f.form.EditSlot(0, 57, "ボタン 2");
    EXPECT_EQ(f.form.closeResult(), std::nullopt);
    EXPECT_EQ(f.state().editShiftKeyDelay, "900");
    EXPECT_EQ(f.state().editKeyRepeatSwitch, "222");
    EXPECT_EQ(f.state().cbKeySelect, 0);  // filled again
    f.form.btnGoToPrevClick();
    EXPECT_EQ(f.form.closeResult(), kEditPrevious);
}

// Every type as the dialog writes it comes back from EditSlot and OK as the
// same profile line.
TEST(AssignFormApply, EveryTypeRoundTrips) {
    using Make = std::function<void(JoyButton&)>;
    const struct {
        const char* name;
        Make make;
    } cases[] = {
        {"None", [](JoyButton&) {}},
        {"Keyboard",
         [](JoyButton& b) {
             b.type = AssignType::Keyboard;
             b.keys = {key::LCtrl, 'C', 0, 0};
             b.autoRepeatRate = -0.5f;
             b.autoRepeatDelay = 300;
             b.toggle = 1;
             b.comment = "copy";
         }},
        {"Keyboard with a rate", [](JoyButton& b) {
             b.type = AssignType::Keyboard;
             b.keys[0] = key::NumpadEnter;
             b.autoRepeatRate = 12.345f;
         }},
        {"Mouse",
         [](JoyButton& b) {
             b.type = AssignType::Mouse;
             b.mouseMoveX = -40;
             b.mouseMoveY = 40;
             b.mouseWheelV = -3;
             b.mouseWheelH = 2;
             b.mouseRight = 1;
             b.mouseButton4 = 1;
             b.accelerationFactor = 2.5f;
             b.analogFactor = 180;
         }},
        {"Command",
         [](JoyButton& b) {
             b.type = AssignType::Command;
             b.commandSteps.resize(2);
             b.commandSteps[0].keys = {key::LShift, 'A', 0, 0};
             b.commandSteps[0].durationMs = 50;
             b.commandSteps[1].keys = {key::CursorUp + 4, 0, 0, 0};
             b.commandSteps[1].durationMs = 0;
         }},
        {"JoystickShift",
         [](JoyButton& b) {
             b.type = AssignType::JoystickShift;
             b.shiftTarget = 2;
             b.switchDelay = 500;
         }},
        {"ProfileSwitch",
         [](JoyButton& b) {
             b.type = AssignType::ProfileSwitch;
             b.targetName = "Menu";
             b.switchDelay = 0;
         }},
        {"KeyboardMulti delayed",
         [](JoyButton& b) {
             b.type = AssignType::KeyboardMulti;
             b.keys = {'A', 0, 0, 0, 'B', 0, 0, 0, 'C'};
             b.switchMode = SwitchMode::DelayedSwitch;
             b.switchDelay = 400;
             b.minimumHoldDuration = 60;
         }},
        {"KeyboardMulti analog",
         [](JoyButton& b) {
             b.type = AssignType::KeyboardMulti;
             b.keys = {'A', 0, 0, 0, 'B'};
             b.switchMode = SwitchMode::AnalogSwitch;
             b.analogThreshold1 = 40;
             b.analogThreshold2 = 90;
         }},
        {"KeyboardMulti switch",
         [](JoyButton& b) {
             b.type = AssignType::KeyboardMulti;
             b.keys = {'A', 0, 0, 0, 'B', 0, 0, 0, 'C', 0, 0, 0, 'D'};
             b.switchMode = SwitchMode::MultiSwitch4;
             b.counterResetDuration = 800;
             b.autoRepeatRate = 4;
         }},
        {"KeyboardMulti repeat",
         [](JoyButton& b) {
             b.type = AssignType::KeyboardMulti;
             b.keys = {'A', 0, 0, 0, 'B'};
             b.switchMode = SwitchMode::RepeatSwitch;
             b.switchDelay = 250;
         }},
        {"MouseAbsolute",
         [](JoyButton& b) {
             b.type = AssignType::MouseAbsolute;
             b.mouseCenterX = 25.5f;
             b.mouseCenterY = 150.25f;
             b.mouseAbsRangeX = -30;
             b.mouseLeft = 1;
         }},
        {"LaunchProgram",
         [](JoyButton& b) {
             b.type = AssignType::LaunchProgram;
             b.targetName = "C:\\Games\\run.exe";
             b.programParameters = "-window";
             b.programStartFrom = "C:\\Games";
             b.comment = "start";
         }},
        {"PasteText",
         [](JoyButton& b) {
             b.type = AssignType::PasteText;
             b.pasteText = "first\\nsecond %DATE%";
         }},
    };
    for (const auto& c : cases) {
        AssignFormFixture f(1);
        JoyButton record;
        c.make(record);
        f.slot().copyFrom(record);
        const std::string before = f.slot().formatLine();
        f.open();
        f.ok();
        EXPECT_EQ(f.slot().formatLine(), before) << c.name;
        EXPECT_EQ(f.form.closeResult(), AssignForm::kResultOk) << c.name;
    }
}

}  // namespace
}  // namespace vrx::test
