#include <gtest/gtest.h>

#include "Main/MainForm.h"
#include "support/MainFormFixture.h"

// The main window's keyboard as its model takes it: Enter and Escape by the
// control with the focus, the button list's Ctrl shortcuts, the rows under
// the pointer, and a number box that the window leaves by itself.

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

constexpr SlotIndex kButton1 = 56;
constexpr int kEnter = 13, kEscape = 27, kTab = 9;

TEST(MainFormKeys, TheButtonListsCtrlShortcutsCopyPasteAndClear) {
    struct Case {
        const char* name;
        int key;
        bool ctrl;
        bool taken;
        const char* secondComment;  // of the selected row's slot afterwards
        const char* copied;         // the copy buffer's comment afterwards
        size_t edits;
    };
    const Case cases[] = {
        {"Ctrl+V pastes", 'V', true, true, "first", "first", 0},
        {"Ctrl+X clears", 'X', true, true, "", "first", 0},
        {"Ctrl+C copies", 'C', true, true, "second", "second", 0},
        {"V alone is the list's", 'V', false, false, "second", "first", 0},
        {"Ctrl+Enter edits as Enter does", kEnter, true, true, "second", "first", 1},
        {"Enter edits", kEnter, false, true, "second", "first", 1},
        {"Ctrl+A is nobody's", 'A', true, false, "second", "first", 0},
    };
    for (const Case& c : cases) {
        MainFormFixture f;
        f.slot(0, kButton1).comment = "first";
        f.slot(0, kButton1 + 1).comment = "second";
        f.form.selectRow(f.rowOf(kButton1));
        ASSERT_TRUE(f.form.lvButtonListKeyDown('C', true));
        f.form.selectRow(f.rowOf(kButton1 + 1));

        EXPECT_EQ(f.form.lvButtonListKeyDown(c.key, c.ctrl), c.taken) << c.name;
        EXPECT_EQ(f.slot(0, kButton1 + 1).comment, c.secondComment) << c.name;
        EXPECT_EQ(f.form.buttonCopyBuffer().comment, c.copied) << c.name;
        EXPECT_EQ(f.editor.opened.size(), c.edits) << c.name;
    }
}

TEST(MainFormKeys, EnterAndEscapeGoToTheControlWithTheFocus) {
    struct Case {
        const char* name;
        FocusedControl focused;
        int key;
        bool taken;
        size_t edits;
        FocusRequest focus;
        Texts boxes;  // editNumJoystick, editNumButtons
        int buttons;  // the profile's number of buttons
    };
    const Case cases[] = {
        {"Enter in the list edits", FocusedControl::ButtonList, kEnter, true, 1, FocusRequest::None, {"x", "8"}, 32},
        {"Escape in the list", FocusedControl::ButtonList, kEscape, false, 0, FocusRequest::None, {"x", "8"}, 32},
        {"Enter in the joystick box", FocusedControl::NumJoysticks, kEnter, true, 0, FocusRequest::ApplyNumJoysticks,
         {"x", "8"}, 32},
        {"Escape in the joystick box", FocusedControl::NumJoysticks, kEscape, true, 0, FocusRequest::None,
         {"2", "8"}, 32},
        // Leaving the box for the apply button applies the count typed.
        {"Enter in the button box", FocusedControl::NumButtons, kEnter, true, 0, FocusRequest::ApplyNumJoysticks,
         {"2", "8"}, 8},
        {"Escape in the button box", FocusedControl::NumButtons, kEscape, true, 0, FocusRequest::None, {"x", "32"},
         32},
        {"Tab in the button box", FocusedControl::NumButtons, kTab, false, 0, FocusRequest::None, {"x", "8"}, 32},
        {"Enter elsewhere", FocusedControl::Other, kEnter, false, 0, FocusRequest::None, {"x", "8"}, 32},
    };
    for (const Case& c : cases) {
        MainFormFixture f;
        OptionsPage& page = f.form.options();
        page.btnApplyNumJoysticksClick("x");  // refused: the box keeps the text
        page.editNumButtonsChange("8");
        f.form.takeFocusRequest();

        EXPECT_EQ(f.form.dialogKey(c.key, c.focused), c.taken) << c.name;
        EXPECT_EQ(f.editor.opened.size(), c.edits) << c.name;
        EXPECT_EQ(f.form.takeFocusRequest(), c.focus) << c.name;
        EXPECT_EQ((Texts{page.state().numJoysticks, page.state().numButtons}), c.boxes) << c.name;
        EXPECT_EQ(f.profile().settings.numberOfButtons, c.buttons) << c.name;
    }
}

// The window moves the focus out of a number box itself on Enter and on a
// refused tab change; the box does not report that as its exit, so the
// model runs the box's check.
TEST(MainFormKeys, ANumberBoxTheWindowLeavesIsCheckedOnce) {
    const std::string refused = "Error: 1 以上 128 以下の数を入れてください。";
    MainFormFixture f;
    f.form.tcJoystickChange(2, FocusedControl::Other);
    OptionsPage& page = f.form.options();

    page.editNumButtonsChange("8");
    f.form.tcJoystickChange(0, FocusedControl::NumButtons);
    EXPECT_EQ(f.profile().settings.numberOfButtons, 8);
    EXPECT_EQ(f.form.page(), FormPage::Options);
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::TabStrip);

    // A click on the tab left the box first: its exit already checked it.
    page.editNumButtonsChange("9");
    page.editNumButtonsExit("9");
    f.form.tcJoystickChange(0, FocusedControl::NumButtons);
    EXPECT_EQ(f.profile().settings.numberOfButtons, 9);
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::TabStrip);

    // A refused count keeps the focus in the box for the correction.
    page.editNumButtonsChange("129");
    f.form.tcJoystickChange(0, FocusedControl::NumButtons);
    EXPECT_EQ(f.dialogs.shown, (Texts{refused}));
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::NumButtons);
    EXPECT_TRUE(f.form.dialogKey(kEnter, FocusedControl::NumButtons));
    EXPECT_EQ(f.dialogs.shown, (Texts{refused, refused}));
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::NumButtons);
    EXPECT_EQ(f.profile().settings.numberOfButtons, 9);

    // The joystick box has no check of its own on leaving.
    f.form.tcJoystickChange(0, FocusedControl::NumJoysticks);
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::TabStrip);
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
}

TEST(MainFormKeys, ADoubleClickAndThePopupTakeTheRowUnderThePointer) {
    MainFormFixture f;
    f.form.lvButtonListDblClick(-1);
    EXPECT_TRUE(f.editor.opened.empty());
    f.form.lvButtonListDblClick(3);
    EXPECT_EQ(f.form.selectedRow(), 3);
    EXPECT_EQ(f.editor.opened, (Texts{"0:3 Stick1: ↓"}));

    EXPECT_TRUE(f.form.PMButtonListPopup(f.rowOf(kButton1)).rowItems);
    EXPECT_EQ(f.form.selectedRow(), f.rowOf(kButton1));
    // Below the last row the selection stays.
    EXPECT_TRUE(f.form.PMButtonListPopup(-1).rowItems);
    EXPECT_EQ(f.form.selectedRow(), f.rowOf(kButton1));
}

}  // namespace
}  // namespace vrx::test
