#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "AppInfo/SettingsFile.h"
#include "Utils/IniFile.h"
#include "Utils/PathText.h"
#include "support/MainWindowFixture_win.h"

// The preference, button alias and vibration dialogs opened from the real
// main window as a user opens them, changed through their controls and
// confirmed; the tests check the settings, the profile and the files.

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

// The control created right after another: an edit after its check box.
HWND nextControl(HWND control) { return GetWindow(control, GW_HWNDNEXT); }

void type(HWND box, const std::string& text) { SetWindowTextW(box, toWide(text).c_str()); }
bool checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void showOptionsPage(MainWindowFixture& f) {
    TabCtrl_SetCurFocus(findChild(f.main(), WC_TABCONTROLW), 2);
    pump();
}

// The options page of a profile without rumble, whose check box the user
// then ticks: the time becomes 500 and the details button opens the dialog.
void switchVibrationOn(MainWindowFixture& f) {
    showOptionsPage(f);
    ProfileSettings& stored = f.manager.currentProfile()->settings;
    stored.vibrationSpeed1 = stored.vibrationSpeed2 = stored.vibrationDuration = 0;
    f.form.RefreshDisplay();
    f.window.sync();
    pump();
    f.click(L"コントローラーを振動させる");
}

constexpr const wchar_t* kIgnoreCaption = L"切り替え直後に、もともと押されていたボタン入力処理を一定時間無効化する";

TEST(SettingsDialogsView, PreferenceFromTheMenuStoresTheControlsRestartsTheTimerAndSaves) {
    MainWindowFixture f;
    f.settings.highlightButtons = true;
    Lines seen;
    DialogSteps steps({
        [&](HWND dialog) {
            seen.push_back(toUtf8(windowText(dialog)));
            HWND allTabs = findChild(
                dialog, L"Button",
                L"押されているボタンをハイライト表示する（ジョイスティック番号に関係なくすべてのタブで）");
            SendMessageW(allTabs, BM_CLICK, 0, 0);
            // The two highlight modes exclude each other.
            seen.push_back(checked(findChild(dialog, L"Button", L"押されているボタンをハイライト表示する")) ? "both"
                                                                                                          : "one");
            HWND shiftIgnore = nth(children(dialog, L"Button", kIgnoreCaption), 1);
            SendMessageW(shiftIgnore, BM_CLICK, 0, 0);
            seen.push_back(IsWindowEnabled(nextControl(shiftIgnore)) ? "box enabled" : "box disabled");
            type(nextControl(shiftIgnore), "-1");
            clickButton(dialog, L"処理速度４倍速");
            choose(findChild(dialog, L"ComboBox"), 1);
            clickButton(dialog, L"OK");
        },
        [&](HWND box) {
            seen.push_back(toUtf8(windowText(box)));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
    });
    f.command(Command::Preference);
    EXPECT_EQ(steps.left(), 0u);
    EXPECT_EQ(seen, (Lines{"設定", "one", "box enabled", "倍速処理モード"}));
    EXPECT_FALSE(f.settings.highlightButtons);
    EXPECT_TRUE(f.settings.highlightButtonsForAllTabs);
    EXPECT_EQ(f.settings.ignoreInputAfterShiftSwitch, -1);
    EXPECT_EQ(f.settings.turboMode, 2);
    EXPECT_EQ(f.settings.xInputSupport, 1);
    EXPECT_EQ(f.r.take(), (Lines{"TimerDisable", "detect forced", "TimerEnable", "TimerTerminate", "TimerInit"}));
    EXPECT_EQ(f.store.saves, 1);

    // What the store writes: the ini file holds the new values.
    const fs::path ini = f.folder / "Vantorix.ini";
    saveGlobalSettings(f.settings, ini, f.h.log);
    const GlobalSettings read = readGlobalSettings(IniFile::load(ini));
    EXPECT_EQ((std::vector<int>{read.turboMode, read.xInputSupport, read.ignoreInputAfterShiftSwitch,
                                read.highlightButtonsForAllTabs, read.highlightButtons}),
              (std::vector<int>{2, 1, -1, 1, 0}));
}

TEST(SettingsDialogsView, PreferenceRefusesANumberBoxThatIsNoIntegerAndCancelKeepsEverything) {
    MainWindowFixture f;
    const GlobalSettings before = f.settings;
    Lines seen;
    DialogSteps steps({
        [&](HWND dialog) {
            HWND ignore = nth(children(dialog, L"Button", kIgnoreCaption), 0);
            SendMessageW(ignore, BM_CLICK, 0, 0);
            type(nextControl(ignore), "1.5");
            clickButton(dialog, L"最小化した状態で起動させる");
            clickButton(dialog, L"OK");
        },
        [&](HWND box) {
            const bool refused =
                findChild(box, L"Static", L"\"1.5\" は有効な数値ではありません。整数を入力してください。");
            seen.push_back(toUtf8(windowText(box)) + (refused ? ": not an integer" : ": another box"));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        [&](HWND dialog) {
            // Still open, with the focus back in the box at fault.
            seen.push_back(toUtf8(windowText(dialog)));
            seen.push_back(toUtf8(windowText(GetFocus())));
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        },
    });
    f.command(Command::Preference);
    EXPECT_EQ(steps.left(), 0u);
    EXPECT_EQ(seen, (Lines{"Error: not an integer", "設定", "1.5"}));
    EXPECT_EQ(f.settings.startIconified, before.startIconified);
    EXPECT_EQ(f.settings.ignoreInputAfterProfileSwitch, before.ignoreInputAfterProfileSwitch);
    EXPECT_EQ(f.r.take(), Lines{});
    EXPECT_EQ(f.store.saves, 1);  // saved after it closes, whichever way
}

TEST(SettingsDialogsView, ButtonAliasFromTheOptionsPageWritesEachChoiceIntoTheProfile) {
    MainWindowFixture f;
    showOptionsPage(f);
    ConfigFile& profile = *f.manager.currentProfile();
    profile.modified = false;
    Lines seen;
    DialogSteps steps({
        [&](HWND dialog) {
            seen.push_back(toUtf8(windowText(dialog)));
            HWND list = findChild(dialog, WC_LISTVIEWW);
            seen.push_back(cell(list, 0, 0) + " | " + cell(list, 8, 0));
            selectRow(list, 8);
            std::vector<HWND> lists;
            for (HWND child = GetWindow(list, GW_HWNDNEXT); child; child = GetWindow(child, GW_HWNDNEXT))
                if (className(child) == L"ComboBox") lists.push_back(child);
            choose(nth(lists, 0), 58);  // Button 3
            choose(nth(lists, 1), 60);  // and Button 4 with it
            seen.push_back(cell(list, 8, 1));
            seen.push_back(toUtf8(windowText(findChild(dialog, L"Button", L"Button 1"))));
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        },
    });
    f.click(L"ボタン割り当ての変更");
    EXPECT_EQ(steps.left(), 0u);
    EXPECT_EQ(seen, (Lines{"ボタン割り当ての変更", "POV: ↑ | Button 1", "Button 3 + Button 4", "Button 1"}));
    EXPECT_EQ(profile.buttonAlias[56], (ButtonAliasEntry{58, 59, -1}));
    EXPECT_TRUE(profile.modified);
}

TEST(SettingsDialogsView, VibrationFromTheOptionsPageStoresTheBarsAndTheTimeOnOk) {
    MainWindowFixture f;
    switchVibrationOn(f);
    ProfileSettings& stored = f.manager.currentProfile()->settings;
    ASSERT_EQ(stored.vibrationDuration, 500);
    Lines seen;
    DialogSteps steps({
        [&](HWND dialog) {
            seen.push_back(toUtf8(windowText(dialog)));
            HWND left = findChild(dialog, TRACKBAR_CLASSW);
            // Page Down three times: the bar moves by its page of 10.
            for (int i = 0; i < 3; ++i) SendMessageW(left, WM_KEYDOWN, VK_NEXT, 0);
            seen.push_back(findChild(dialog, L"Static", L"30 %") ? "30 %" : "no label");
            type(findChild(dialog, L"Edit"), "800");
            clickButton(dialog, L"OK");
        },
    });
    f.click(L"詳細...");
    EXPECT_EQ(steps.left(), 0u);
    EXPECT_EQ(seen, (Lines{"コントローラーを振動させる", "30 %"}));
    EXPECT_EQ((std::vector<int>{stored.vibrationSpeed1, stored.vibrationSpeed2, stored.vibrationDuration}),
              (std::vector<int>{30, 0, 800}));

    DialogSteps cancelled({
        [&](HWND dialog) {
            SendMessageW(findChild(dialog, TRACKBAR_CLASSW), WM_KEYDOWN, VK_NEXT, 0);
            type(findChild(dialog, L"Edit"), "100");
            clickButton(dialog, L"Cancel");
        },
    });
    f.click(L"詳細...");
    EXPECT_EQ(cancelled.left(), 0u);
    EXPECT_EQ((std::vector<int>{stored.vibrationSpeed1, stored.vibrationSpeed2, stored.vibrationDuration}),
              (std::vector<int>{30, 0, 800}));
}

// The time is checked once the focus has moved on within the dialog, but
// not on the way to Cancel, which keeps nothing.
TEST(SettingsDialogsView, VibrationChecksTheTimeWhenTheFocusMovesOnButNotOnTheWayToCancel) {
    MainWindowFixture f;
    switchVibrationOn(f);
    ProfileSettings& stored = f.manager.currentProfile()->settings;
    ASSERT_EQ(stored.vibrationDuration, 500);
    Lines seen;
    DialogSteps steps({
        [&](HWND dialog) {
            HWND box = findChild(dialog, L"Edit");
            SetFocus(box);
            type(box, "soon");
            SetFocus(findChild(dialog, L"Button", L"Cancel"));
            pump();  // the check of the box left for Cancel
            SetFocus(box);
            SetFocus(findChild(dialog, TRACKBAR_CLASSW));
        },
        [&](HWND box) {
            seen.push_back(toUtf8(windowText(box)));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        [&](HWND dialog) {
            // The focus is back in the box, which still holds the text.
            seen.push_back(toUtf8(windowText(GetFocus())));
            clickButton(dialog, L"Cancel");
        },
    });
    f.click(L"詳細...");
    EXPECT_EQ(steps.left(), 0u);
    EXPECT_EQ(seen, (Lines{"Error", "soon"}));
    EXPECT_EQ(stored.vibrationDuration, 500);
}

}  // namespace
}  // namespace vrx::test
