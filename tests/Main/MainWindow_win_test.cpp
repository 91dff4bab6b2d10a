#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Cli/ProfileCommands.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Main/AppMessages.h"
#include "Main/MainForm.h"
#include "Main/MainWindowDialogs_win.h"
#include "Main/MainWindow_win.h"
#include "Main/ShellCommands.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/WideText_win.h"
#include "support/CountingLock.h"
#include "support/EngineHarness.h"
#include "support/ScriptedFormUi.h"
#include "support/ShellRecorder.h"
#include "support/TempFolder.h"

// The main window for real, in this process, over a profile folder of its
// own: driven through its controls and menus as a user would, checked on
// the files and records it keeps. It opens windows, so under Wine it needs
// the X display that scripts/test.sh provides.

namespace vrx::test {
namespace {

namespace fs = std::filesystem;

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[128] = L"";
    GetClassNameW(window, name, 128);
    return name;
}

// The first descendant of the class, with the text when one is given.
HWND findChild(HWND parent, const std::wstring& windowClass, const std::wstring& text = {}) {
    struct Query {
        std::wstring windowClass, text;
        HWND found = nullptr;
    } query{windowClass, text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(data);
            if (className(child) != q.windowClass || (!q.text.empty() && windowText(child) != q.text)) return TRUE;
            q.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string cell(HWND list, int row, int column) {
    wchar_t text[512] = L"";
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return toUtf8(text);
}

// Answers the next dialog or box that a click opens, from inside its modal
// loop: a thread timer fires there and hands over the window in front.
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(HWND)> answer) {
        pending() = std::move(answer);
        timer_ = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            HWND front = GetActiveWindow();
            if (!front || !pending() || className(front) == L"TMainForm") return;
            auto answer = std::move(pending());
            pending() = nullptr;
            answer(front);
        });
    }
    ~DialogAnswer() {
        KillTimer(nullptr, timer_);
        pending() = nullptr;
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

private:
    static std::function<void(HWND)>& pending() {
        static std::function<void(HWND)> answer;
        return answer;
    }
    UINT_PTR timer_ = 0;
};

// Types a name into the name dialog and presses its OK button.
std::function<void(HWND)> typeName(const std::string& name) {
    return [name](HWND dialog) {
        SetWindowTextW(findChild(dialog, L"Edit"), toWide(name).c_str());
        SendMessageW(findChild(dialog, L"Button", L"OK"), BM_CLICK, 0, 0);
    };
}

std::function<void(HWND)> pressButton(int id) {
    return [id](HWND box) { PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(id), 0); };
}

struct MainWindowFixture {
    TempFolder folder;
    EngineHarness h;
    GlobalSettings settings;
    CountingLock lock;
    MainWindowDialogs dialogs{[this] { return window.handle(); }};
    ConfigFileManager manager{folder.path(), settings, h.engine, lock, dialogs, h.log};
    DeviceList devices;
    DeviceTemplateManager templates{folder / "templates.json", h.log};
    CountingSettingsStore store;
    CountingDeviceUi deviceUi;
    MainForm form{MainFormParts{manager, h.engine, lock, settings, devices, templates, dialogs, dialogs, dialogs, store,
                                OptionsPageParts{manager, lock, h.engine.tickContext(), deviceUi, dialogs,
                                                 folder.path(), h.log},
                                h.log, usKeyboardLayout()}};
    ShellSurroundings around{folder.path(), lock, settings, h.log};
    Recorder& r = around.r;
    ShellCommands shell{ShellParts{form, manager, settings, around.appLink, r, r, window, dialogs, r, window, r, r, r,
                                   store, around.notice, folder.path(), around.firstRun, h.log}};
    AppMessages messages{manager, h.engine.virtualInput(), window, systemAnsiCodePage(), h.log};
    // Last, so that it goes first: its destruction still reaches the models.
    MainWindow window{settings, h.log, hooks()};

    MainWindowFixture() {
        for (const char* name : {"Game.cfg", "Menu.cfg"})
            fs::copy_file(fs::path(VANTORIX_EXAMPLES_DIR) / "rapid-fire" / name, folder / name);
        settings.fileName = "Game";
        EXPECT_TRUE(window.create(GetModuleHandleW(nullptr), "Vantorix v7.4.1"));
        manager.scan();
        window.attach(form, shell, messages);
        window.restoreGeometry();
        form.reloadProfileList();
        form.UpdateCaption();
        window.sync();
        window.show(SW_SHOWNORMAL);
        pump();
    }

    static MainWindow::Hooks hooks() {
        MainWindow::Hooks hooks;
        hooks.menuOpen = [] { return false; };
        hooks.detectedCount = [] { return 0; };
        return hooks;
    }

    HWND main() const { return window.handle(); }
    HWND buttonList() const { return findChild(main(), WC_LISTVIEWW); }
    void click(const std::wstring& caption) { SendMessageW(findChild(main(), L"Button", caption), BM_CLICK, 0, 0); }
    void command(Command item) { SendMessageW(main(), WM_COMMAND, static_cast<WPARAM>(item), 0); }
    std::vector<std::string> listedProfiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.path().extension() == ".cfg") names.push_back(entry.path().stem().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

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
