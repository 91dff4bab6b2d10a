// The assignment dialog's answers to what its controls report: a key
// reaching a box, boxes left as the dialog closes, Escape in the comment
// box, the auto-repeat group's enabling and the preview's redrawing.
#include <gtest/gtest.h>

#include "Dialogs/AssignKeys.h"
#include "support/AssignFormFixture.h"

namespace vrx::test {
namespace {

TEST(AssignFormKeys, TheLastKeyDownRecordCountsOnlyForTheKeyThatReachedTheBox) {
    const struct {
        const char* name;
        int box;
        int virtualKey;
        LastKeyDown record;
        KeyCode stored;
        AssignFocus focus;
    } cases[] = {
        {"right Shift into Key0", 0, 16, keyDown(16, 0x36), key::RShift, {"btnOK", false}},
        {"numeric-pad Enter into Key12", 5, 13, keyDown(13, 0x1C, true), key::NumpadEnter, {"Key12", true}},
        {"a record of another key", 1, 'A', keyDown(16, 0x36), 'A', {"Key1", true}},
        {"an extended record of another key", 2, 17, keyDown(13, 0x1C, true), 17, {"Key2", true}},
        {"no record at all", 3, 18, LastKeyDown{}, 18, {"Key3", true}},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        f.form.keyBoxKeyDown(c.box, c.virtualKey, c.record);
        EXPECT_EQ(f.form.keyEntry(keyBoxTag(c.box)), c.stored) << c.name;
        EXPECT_EQ(f.form.takeFocus(), c.focus) << c.name;
    }
}

TEST(AssignFormClosing, BoxesLeftAsTheDialogClosesAreNotChecked) {
    using Leave = void (*)(AssignForm&);
    const struct {
        const char* name;
        Leave type;
        Leave leave;
    } cases[] = {
        {"integer box",
         [](AssignForm& form) { form.integerBoxChange(IntegerBox::KeySwitchDelay, "x"); },
         [](AssignForm& form) { form.validateIntegerInput(IntegerBox::KeySwitchDelay); }},
        {"centre box", [](AssignForm& form) { form.editMouseCenterChange(CentreBox::X, "-1"); },
         [](AssignForm& form) { form.validateFloatInput(CentreBox::X); }},
        {"rate box", [](AssignForm& form) { form.editAutoRepeatPerSecChange(RateBox::PerSecond, "-2"); },
         [](AssignForm& form) { form.editAutoRepeatPerSecExit(RateBox::PerSecond); }},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        c.type(f.form);
        f.form.btnCancelClick();
        c.leave(f.form);
        EXPECT_EQ(f.ui.shown, std::vector<std::string>{}) << c.name;
        EXPECT_EQ(f.form.takeFocus(), std::nullopt) << c.name;

        // The next row of the run checks its boxes again.
        f.form.EditSlot(0, 57, "ボタン 2");
        c.type(f.form);
        c.leave(f.form);
        EXPECT_EQ(f.ui.shown.size(), 1u) << c.name;
    }
}

TEST(AssignFormClosing, EscapeInTheCommentBoxCancels) {
    AssignFormFixture f;
    f.open();
    f.form.Key0KeyDown(keyDown('A'));
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"btnOK", false}));
    EXPECT_TRUE(f.form.editCommentKeyPress(U'\x1b'));
    EXPECT_EQ(f.form.closeResult(), AssignForm::kResultCancel);
    EXPECT_EQ(f.form.takeFocus(), std::nullopt);
    EXPECT_EQ(f.slot().type, AssignType::None);
    EXPECT_FALSE(f.profile.modified);
}

// The group's own check boxes enable its boxes only where the group is.
TEST(AssignFormPages, AutoRepeatBoxesAreEnabledOnlyWithTheGroup) {
    AssignFormFixture f;
    f.open();
    f.form.cbAutoRepeatClick(true);
    f.form.cbAutoDelayedClick(true);
    f.form.rbKeyDelayedSwitchClick(SwitchMode::DelayedSwitch);
    for (int page = 0; page < kAssignPageCount; ++page) {
        f.form.PageControl1Change(page);
        const bool group = f.form.groupCommonVisible();
        EXPECT_EQ(f.form.rateBoxesEnabled(), group) << page;
        EXPECT_EQ(f.form.autoRepeatDelayEnabled(), group) << page;
    }
    f.form.PageControl1Change(kPageMouse);
    f.form.cbAutoDelayedClick(false);
    EXPECT_TRUE(f.form.rateBoxesEnabled());
    EXPECT_FALSE(f.form.autoRepeatDelayEnabled());
}

TEST(AssignFormAbsolute, PreviewIsRedrawnAsACentreBoxIsLeftNotAsItIsTyped) {
    using Act = void (*)(AssignForm&);
    const struct {
        const char* name;
        Act act;
        bool redrawn;
    } cases[] = {
        {"typing a centre", [](AssignForm& form) { form.editMouseCenterChange(CentreBox::X, "20"); }, false},
        {"leaving a centre box", [](AssignForm& form) { form.validateFloatInput(CentreBox::X); }, true},
        {"leaving it refused", [](AssignForm& form) {
             form.editMouseCenterChange(CentreBox::Y, "abc");
             form.validateFloatInput(CentreBox::Y);
         }, true},
        {"a range bar", [](AssignForm& form) { form.tbMouseAbsRangeYChange(10); }, true},
        {"the mode", [](AssignForm& form) { form.rbMouseAbsRangeClick(false); }, true},
        {"Clear", [](AssignForm& form) { form.btnClearClick(); }, true},
        {"a click box", [](AssignForm& form) { form.cbMouse_2Click(kClickLeft, true); }, false},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        const int before = f.form.previewRevision();
        c.act(f.form);
        EXPECT_EQ(f.form.previewRevision() != before, c.redrawn) << c.name;
    }
    AssignFormFixture f;
    const int before = f.form.previewRevision();
    f.open();
    EXPECT_NE(f.form.previewRevision(), before) << "a new row";
}

}  // namespace
}  // namespace vrx::test
