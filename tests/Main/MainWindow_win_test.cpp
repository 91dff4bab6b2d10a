#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Cli/ProfileCommands.h"
#include "support/MainWindowFixture_win.h"

// The main window driven through its controls and menus as a user would,
// checked on the files and records it keeps.

namespace vrx::test {
namespace {

TEST(MainWindowView, ShowsTheProfilesTabsRowsAndMenusOfTheProfileInForce) {
    MainWindowFixture f;
    EXPECT_EQ(toUtf8(windowText(f.main())), "Vantorix v7.4.1 : Game");

    HWND profiles = findChild(f.main(), L"ListBox");
    ASSERT_NE(profiles, nullptr);
    EXPECT_EQ(SendMessageW(profiles, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(profiles, LB_GETCURSEL, 0, 0), 0);

    HWND tabs = findChild(f.main(), WC_TABCONTROLW);
    ASSERT_NE(tabs, nullptr);
    std::vector<std::string> tabTexts;
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        wchar_t text[64] = L"";
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        TabCtrl_GetItem(tabs, i, &item);
        tabTexts.push_back(toUtf8(text));
    }
    EXPECT_EQ(tabTexts, (std::vector<std::string>{"[1] Joystick", "[2] Joystick", "Options"}));

    // The rows are what the command line describes for joystick 1.
    std::ostringstream described, errors;
    ASSERT_EQ(runDescribeCommand(std::vector<std::string>{(f.folder / "Game.cfg").string()}, described, errors), 0);
    std::istringstream lines(described.str());
    std::vector<std::string> expected;
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("1\t")) expected.push_back(line);
    HWND list = f.buttonList();
    ASSERT_NE(list, nullptr);
    std::vector<std::string> shown;
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
        shown.push_back("1\t" + cell(list, row, 0) + "\t" + cell(list, row, 1) + "\t" + cell(list, row, 2) + "\t" +
                        cell(list, row, 3));
    EXPECT_EQ(shown, expected);

    HMENU bar = GetMenu(f.main());
    std::vector<std::string> menus;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(bar, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        menus.push_back(toUtf8(text));
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"ファイル(&F)", "設定(&S)", "機能の一時停止(&R)", "ヘルプ(&H)"}));
}

TEST(MainWindowView, TheOptionsTabShowsThePageOfTheProfileSettings) {
    MainWindowFixture f;
    HWND tabs = findChild(f.main(), WC_TABCONTROLW);
    // As a click does: the strip reports the change to its parent.
    TabCtrl_SetCurFocus(tabs, 2);
    pump();
    EXPECT_FALSE(IsWindowVisible(f.buttonList()));
    HWND status = findChild(f.main(), L"Static", L"ジョイスティック: 0 本検出");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(IsWindowVisible(status));
    EXPECT_NE(findChild(f.main(), L"Button", L"サウンドを鳴らす"), nullptr);

    // A threshold moved on the page is stored in tenths of a percent.
    HWND bar = findChild(f.main(), TRACKBAR_CLASSW);
    ASSERT_NE(bar, nullptr);
    SendMessageW(bar, TBM_SETPOS, TRUE, 25);
    SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 25), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(f.manager.currentProfile()->settings.threshold, 250);
    EXPECT_NE(findChild(f.main(), L"Static", L"25 %"), nullptr);

    TabCtrl_SetCurFocus(tabs, 0);
    pump();
    EXPECT_TRUE(IsWindowVisible(f.buttonList()));
}

TEST(MainWindowView, TheButtonCountAppliesAsTheWindowTakesTheFocusFromItsBox) {
    MainWindowFixture f;
    HWND tabs = findChild(f.main(), WC_TABCONTROLW);
    TabCtrl_SetCurFocus(tabs, 2);
    pump();
    HWND box = nth(children(f.main(), L"Edit"), 1);  // after the number of joysticks
    ASSERT_NE(box, nullptr);
    const int& buttons = f.manager.currentProfile()->settings.numberOfButtons;

    // Enter, as the dialog keyboard hands it on, moves to the apply button.
    SetFocus(box);
    SetWindowTextW(box, L"8");
    SendMessageW(f.main(), WM_COMMAND, IDOK, 0);
    pump();
    EXPECT_EQ(buttons, 8);
    EXPECT_EQ(GetFocus(), findChild(f.main(), L"Button", L"変更"));

    // A joystick tab chosen from the box is refused, and the box is left.
    SetFocus(box);
    SetWindowTextW(box, L"9");
    TabCtrl_SetCurFocus(tabs, 0);
    pump();
    EXPECT_EQ(buttons, 9);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
    EXPECT_EQ(GetFocus(), tabs);
}

TEST(MainWindowView, ProfilesAreCreatedCopiedRenamedAndDeletedThroughTheNameDialog) {
    MainWindowFixture f;
    {
        DialogAnswer answer(typeName("Fresh"));
        f.click(L"新規作成");
    }
    EXPECT_EQ(f.listedProfiles(), (std::vector<std::string>{"Fresh", "Game", "Menu"}));
    EXPECT_EQ(f.manager.currentName(), "Fresh");
    {
        DialogAnswer answer(typeName("Twin"));
        f.click(L"コピー");
    }
    EXPECT_EQ(f.listedProfiles(), (std::vector<std::string>{"Fresh", "Game", "Menu", "Twin"}));
    {
        DialogAnswer answer(typeName("Renamed"));
        f.click(L"名称変更");
    }
    EXPECT_EQ(f.listedProfiles(), (std::vector<std::string>{"Fresh", "Game", "Menu", "Renamed"}));
    EXPECT_EQ(toUtf8(windowText(f.main())), "Vantorix v7.4.1 : Renamed");
    {
        DialogAnswer answer(pressButton(IDYES));
        f.click(L"削除");
    }
    EXPECT_EQ(f.listedProfiles(), (std::vector<std::string>{"Fresh", "Game", "Menu"}));
    HWND profiles = findChild(f.main(), L"ListBox");
    EXPECT_EQ(SendMessageW(profiles, LB_GETCOUNT, 0, 0), 3);
    // A cancelled name dialog changes nothing.
    {
        DialogAnswer answer([](HWND dialog) { SendMessageW(findChild(dialog, L"Button", L"Cancel"), BM_CLICK, 0, 0); });
        f.click(L"新規作成");
    }
    EXPECT_EQ(f.listedProfiles(), (std::vector<std::string>{"Fresh", "Game", "Menu"}));
}

TEST(MainWindowView, SuspendingProcessingShowsInTheTitleAndInBothMenus) {
    MainWindowFixture f;
    f.command(Command::DisableJoystick);
    EXPECT_EQ(toUtf8(windowText(f.main())), "Vantorix v7.4.1 (一時停止中) : Game");
    EXPECT_TRUE(GetMenuState(GetMenu(f.main()), static_cast<UINT>(Command::DisableJoystick), MF_BYCOMMAND) &
                MF_CHECKED);
    EXPECT_TRUE(f.shell.joystickSuspended());
    f.command(Command::TrayDisableJoystick);
    EXPECT_EQ(toUtf8(windowText(f.main())), "Vantorix v7.4.1 : Game");
    EXPECT_FALSE(GetMenuState(GetMenu(f.main()), static_cast<UINT>(Command::DisableJoystick), MF_BYCOMMAND) &
                 MF_CHECKED);
}

TEST(MainWindowView, TheDarkStyleRepaintsTheButtonList) {
    MainWindowFixture f;
    const COLORREF light = ListView_GetBkColor(f.buttonList());
    f.window.applyStyle(true);
    const COLORREF dark = ListView_GetBkColor(f.buttonList());
    EXPECT_NE(dark, light);
    EXPECT_LT(GetRValue(dark) + GetGValue(dark) + GetBValue(dark), 3 * 96);
    f.window.applyStyle(false);
    EXPECT_EQ(ListView_GetBkColor(f.buttonList()), light);
}

TEST(MainWindowView, ClosingMinimisesUnlessExitWasChosenWhichStoresTheGeometry) {
    MainWindowFixture f;
    SetWindowPos(f.main(), nullptr, 40, 50, 733, 544, SWP_NOZORDER);
    SendMessageW(f.main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(f.main()));
    EXPECT_TRUE(IsIconic(f.main()));
    EXPECT_FALSE(f.window.shown());
    f.command(Command::Exit);
    pump();
    EXPECT_EQ(f.window.handle(), nullptr);
    // At 96 DPI the stored values are the window's own.
    EXPECT_EQ(f.settings.windowPositionLeft, 40);
    EXPECT_EQ(f.settings.windowPositionTop, 50);
    EXPECT_EQ(f.settings.windowWidth, 733);
    EXPECT_EQ(f.settings.windowHeight, 544);
}

}  // namespace
}  // namespace vrx::test
