// The assignment dialog's command, special and text pages.
#include <gtest/gtest.h>

#include "support/AssignFormFixture.h"

namespace vrx::test {
namespace {

CommandStep step(std::array<KeyCode, 4> keys, int duration) {
    CommandStep s;
    s.keys = keys;
    s.durationMs = duration;
    return s;
}

TEST(AssignFormCommand, RowsAndTheStepEditor) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::Command;
    record.commandSteps = {step({'A', key::LCtrl, 0, 0}, 120), step({'B', 0, 0, 0}, 40)};
    f.open(record);
    EXPECT_EQ(f.form.commandRows(), (std::vector<std::vector<std::string>>{{"1", "A", "L-Ctrl", "", "", "120"},
                                                                           {"2", "B", "", "", "", "40"}}));
    EXPECT_EQ(f.state().selectedStep, 0);
    EXPECT_EQ(f.state().keyBoxes[20], "A");
    EXPECT_EQ(f.state().keyBoxes[21], "L-Ctrl");
    EXPECT_EQ(f.state().editCmdDuration, "120");
    EXPECT_FALSE(f.form.btnCmdUpEnabled());
    EXPECT_TRUE(f.form.btnCmdDownEnabled());

    f.form.lvCommandSelectItem(1);
    EXPECT_EQ(f.form.keyEntry(16), KeyCode{'B'});
    EXPECT_TRUE(f.form.btnCmdUpEnabled());
    EXPECT_FALSE(f.form.btnCmdDownEnabled());

    f.form.lvCommandSelectItem(-1);
    EXPECT_FALSE(f.form.stepEditorEnabled());
    EXPECT_FALSE(f.form.keyBoxEnabled(20));
    EXPECT_EQ(f.form.keyEntry(16), key::None);
    EXPECT_EQ(f.state().editCmdDuration, "");
    // Nothing selected: the record's steps are untouched.
    EXPECT_EQ(f.state().steps, record.commandSteps);
}

TEST(AssignFormCommand, EditorWritesIntoTheSelectedStep) {
    AssignFormFixture f;
    f.open();
    f.form.PageControl1Change(kPageCommand);
    f.form.btnCmdAddClick();
    EXPECT_EQ(f.state().steps, (std::vector<CommandStep>{step({0, 0, 0, 0}, 100)}));
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"CmdKey1", false}));
    f.form.Key1KeyDown(20, keyDown('X'));
    f.form.Key1KeyDown(21, keyDown(16, 0x36));
    f.form.editCmdDurationChange("250");
    f.form.editCmdDurationChange("-5");  // ignored
    f.form.editCmdDurationChange("abc");
    EXPECT_EQ(f.state().steps, (std::vector<CommandStep>{step({'X', key::RShift, 0, 0}, 250)}));
    f.ok();
    EXPECT_EQ(f.slot().type, AssignType::Command);
    EXPECT_EQ(f.slot().commandSteps, f.state().steps);
}

TEST(AssignFormCommand, DeleteUpAndDownKeepTheSelection) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::Command;
    record.commandSteps = {step({'A'}, 1), step({'B'}, 2), step({'C'}, 3)};
    f.open(record);
    f.form.btnCmdDownClick();
    EXPECT_EQ(f.state().selectedStep, 1);
    EXPECT_EQ(f.state().steps[1].keys[0], KeyCode{'A'});
    f.form.btnCmdDownClick();
    f.form.btnCmdDownClick();  // already last
    EXPECT_EQ(f.state().selectedStep, 2);
    f.form.btnCmdUpClick();
    EXPECT_EQ(f.state().selectedStep, 1);
    EXPECT_EQ(f.state().steps[1].keys[0], KeyCode{'A'});
    f.form.btnCmdDeleteClick();  // the next row takes its place
    EXPECT_EQ(f.state().selectedStep, 1);
    EXPECT_EQ(f.state().steps[1].keys[0], KeyCode{'C'});
    f.form.btnCmdDeleteClick();  // the new last row
    EXPECT_EQ(f.state().selectedStep, 0);
    f.form.btnCmdDeleteClick();
    EXPECT_EQ(f.state().selectedStep, -1);
    f.ok();
    EXPECT_EQ(f.slot().type, AssignType::None);  // no steps
}

TEST(AssignFormSpecial, ListsHoldLaterJoysticksAndProfiles) {
    AssignFormFixture first(0);
    first.open();
    EXPECT_EQ(first.state().cbShiftKeyItems, (std::vector<std::string>{"None", "[2] Joystick", "[3] Joystick"}));
    EXPECT_EQ(first.state().cbSwitchProfileItems, (std::vector<std::string>{"None", "Game", "Menu", "Race"}));
    AssignFormFixture last(2);
    last.open();
    EXPECT_EQ(last.state().cbShiftKeyItems, (std::vector<std::string>{"None"}));
}

TEST(AssignFormSpecial, OpeningSelectsTheTarget) {
    AssignFormFixture f(1);
    JoyButton record;
    record.type = AssignType::JoystickShift;
    record.shiftTarget = 2;
    record.switchDelay = 300;
    f.open(record);
    EXPECT_EQ(f.state().cbShiftKey, 1);
    EXPECT_TRUE(f.state().cbShiftKeyDelayed);
    EXPECT_TRUE(f.form.editShiftKeyDelayEnabled());
    EXPECT_EQ(f.state().editShiftKeyDelay, "300");

    record.type = AssignType::ProfileSwitch;
    record.targetName = "Race";
    record.switchDelay = 0;
    f.open(record);
    EXPECT_EQ(f.state().cbShiftKey, 0);
    EXPECT_EQ(f.state().cbSwitchProfile, 3);
    EXPECT_FALSE(f.state().cbSwitchProfileDelayed);

    record.targetName = "Gone";  // no longer in the list
    f.open(record);
    EXPECT_EQ(f.state().cbSwitchProfile, 0);
    EXPECT_EQ(f.state().editExternalProgram, "");
}

TEST(AssignFormSpecial, ShiftWinsOverProfileWhichWinsOverProgram) {
    const struct {
        int shift, profile;
        const char* program;
        AssignType type;
    } cases[] = {
        {2, 1, "C:\\game.exe", AssignType::JoystickShift},
        {0, 2, "C:\\game.exe", AssignType::ProfileSwitch},
        {0, 0, "C:\\game.exe", AssignType::LaunchProgram},
        {0, 0, "", AssignType::None},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        f.form.PageControl1Change(kPageSpecial);
        f.form.cbShiftKeyChange(c.shift);
        f.form.cbShiftKeyDelayedClick(true);
        f.form.integerBoxChange(IntegerBox::ShiftKeyDelay, "450");
        f.form.cbSwitchProfileChange(c.profile);
        f.form.editExternalProgramChange(c.program);
        f.form.editExternalProgramParametersChange("-fast");
        f.ok();
        const JoyButton& stored = f.slot();
        EXPECT_EQ(stored.type, c.type) << c.shift << c.profile << c.program;
        if (c.type == AssignType::JoystickShift) {
            EXPECT_EQ(stored.shiftTarget, 2);
            EXPECT_EQ(stored.switchDelay, 450);
        }
        if (c.type == AssignType::ProfileSwitch) {
            EXPECT_EQ(stored.targetName, "Menu");
            EXPECT_EQ(stored.switchDelay, 0);
        }
        if (c.type == AssignType::LaunchProgram) {
            EXPECT_EQ(stored.programParameters, "-fast");
        }
    }
}

TEST(AssignFormSpecial, PickersAndTheVariablesPage) {
    AssignFormFixture f;
    f.open();
    f.ui.picks = {std::string("C:\\Tools\\run.exe"), std::nullopt, std::string("D:\\Work")};
    f.form.btnExternalProgramClick();
    f.form.editExternalProgramStartFromChange("C:\\Start");
    f.form.btnExternalProgramStartFromClick();  // cancelled
    EXPECT_EQ(f.state().editExternalProgramStartFrom, "C:\\Start");
    f.form.btnExternalProgramStartFromClick();
    f.form.lblSupportedVariablesClick();
    EXPECT_EQ(f.state().editExternalProgram, "C:\\Tools\\run.exe");
    EXPECT_EQ(f.state().editExternalProgramStartFrom, "D:\\Work");
    EXPECT_EQ(f.ui.programFilter, "*.*|*.*");
    EXPECT_EQ(f.ui.programStart, "C:\\");
    EXPECT_EQ(f.ui.shown, (std::vector<std::string>{
                              "program",
                              "folder フォルダを指定してください [C:\\Start]",
                              "folder フォルダを指定してください [C:\\Start]",
                              "open https://vantorix.example/ja/blog/vantorix/pasting-text-and-variables",
                          }));
}

TEST(AssignFormText, LineBreaksAreStoredAsBackslashN) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::PasteText;
    record.pasteText = "Hello\\nWorld";
    record.comment = "greeting";
    f.open(record);
    EXPECT_EQ(f.state().memoText, "Hello\r\nWorld");
    EXPECT_FALSE(f.form.commentVisible());
    f.form.memoTextChange("a\nb\r\nc");
    f.ok();
    EXPECT_EQ(f.slot().pasteText, "a\\nb\\nc");
    EXPECT_EQ(f.slot().comment, "");  // a pasted text keeps no comment
}

TEST(AssignFormText, CommentBoxSendsEnterAndTabToOk) {
    AssignFormFixture f;
    f.open();
    for (char32_t c : {U'\r', U'\n', U'\t'}) {
        EXPECT_TRUE(f.form.editCommentKeyPress(c));
        EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"btnOK", false}));
    }
    EXPECT_FALSE(f.form.editCommentKeyPress(U'x'));
}

}  // namespace
}  // namespace vrx::test
