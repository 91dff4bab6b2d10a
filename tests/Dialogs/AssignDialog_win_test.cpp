#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "Joybutton/KeyCode.h"
#include "support/MainWindowFixture_win.h"

// The assignment dialog opened from the real main window's button list, as
// a user would: key presses injected with SendInput, clicks on its buttons,
// and the results checked in the profile's records and file.

namespace vrx::test {
namespace {

// Lets the dialog's loop-within-the-timer see what was sent.
void pumpFor(DWORD milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

void press(WORD virtualKey, WORD scanCode, bool extended) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = scanCode;
        input.ki.dwFlags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    EXPECT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
    pumpFor(150);
}

// The n-th edit box of the dialog in creation order: the keyboard page's
// four key boxes come first.
HWND editBox(HWND dialog, size_t n) { return nth(children(dialog, L"Edit"), n); }

void showKeyboardPage(HWND dialog) {
    HWND pages = findChild(dialog, WC_TABCONTROLW);
    ASSERT_NE(pages, nullptr);
    TabCtrl_SetCurFocus(pages, 0);
    pump();
}

// A double click on a row, as the mouse makes it.
void doubleClickRow(HWND list, int row) {
    RECT cell{};
    ListView_GetItemRect(list, row, &cell, LVIR_LABEL);
    const LPARAM at = MAKELPARAM(cell.left + 4, (cell.top + cell.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

TEST(AssignDialogView, KeyPressesLandAsTheirCodesAndOkRewritesTheRow) {
    MainWindowFixture f;
    HWND list = f.buttonList();
    const int row = 0;
    const SlotIndex slot = f.form.rows()[row].slot;
    const std::string before = cell(list, row, 1);
    bool focusedOk = false;
    std::string title;
    {
        DialogSteps script({[&](HWND dialog) {
            title = toUtf8(windowText(dialog));
            showKeyboardPage(dialog);
            SetFocus(editBox(dialog, 1));
            press(VK_RSHIFT, 0x36, false);   // right Shift into Key1, then on to Key2
            press(VK_RETURN, 0x1C, true);    // numeric-pad Enter into Key2
            SetFocus(editBox(dialog, 0));
            press(VK_TAB, 0x0F, false);      // Tab into Key0, then on to OK
            focusedOk = GetFocus() == findChild(dialog, L"Button", L"OK");
            clickButton(dialog, L"OK");
        }});
        selectRow(list, row);
        pump();
        doubleClickRow(list, row);
        pump();
        EXPECT_EQ(script.left(), 0u);
    }
    EXPECT_EQ(title, "ジョイスティック 1 の " + f.form.rows()[row].button + " の設定");
    EXPECT_TRUE(focusedOk);
    const JoyButton& stored = f.manager.currentProfile()->joystick(0)->slot(slot);
    EXPECT_EQ(stored.type, AssignType::Keyboard);
    EXPECT_EQ(stored.keys[0], key::Tab);
    EXPECT_EQ(stored.keys[1], key::RShift);
    EXPECT_EQ(stored.keys[2], key::NumpadEnter);
    const std::string after = cell(list, row, 1);
    EXPECT_NE(after, before);
    EXPECT_NE(after.find("R-Shift"), std::string::npos) << after;

    // After the program's exit the profile's file holds the new line.
    const std::string line = "=" + stored.formatLine();
    f.command(Command::Exit);
    pump();
    EXPECT_EQ(f.window.handle(), nullptr);
    f.manager.shutdown();
    EXPECT_NE(readBytes(f.folder / "Game.cfg").find(line), std::string::npos) << line;
}

TEST(AssignDialogView, NextStepsToTheFollowingRowInTheSameRun) {
    MainWindowFixture f;
    HWND list = f.buttonList();
    std::string secondTitle;
    {
        DialogSteps script({
            [](HWND dialog) { clickButton(dialog, L">>"); },
            [&](HWND dialog) {
                secondTitle = toUtf8(windowText(dialog));
                clickButton(dialog, L"Cancel");
            },
        });
        selectRow(list, 0);
        pump();
        doubleClickRow(list, 0);
        pump();
        EXPECT_EQ(script.left(), 0u);
    }
    EXPECT_EQ(f.form.selectedRow(), 1);
    EXPECT_EQ(secondTitle, "ジョイスティック 1 の " + f.form.rows()[1].button + " の設定");
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
}

}  // namespace
}  // namespace vrx::test
