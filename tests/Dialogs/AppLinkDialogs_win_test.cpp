#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppLink/AppLinkManager.h"
#include "support/MainWindowFixture_win.h"
#include "support/MouseClick_win.h"
#include "support/RecordingCaptureHost.h"

// The application-link dialogs opened from the real main window's menu and
// driven through their controls; what they leave behind is read from
// AppLink.dat. They need a display (Xvfb under Wine).

namespace vrx::test {
namespace {

void setText(HWND control, const std::string& text) { SetWindowTextW(control, toWide(text).c_str()); }

int rowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

// As the list view reports a double click to its dialog.
void doubleClickRow(HWND list, int row) {
    selectRow(list, row);
    NMITEMACTIVATE activate{};
    activate.hdr.hwndFrom = list;
    activate.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = row;
    SendMessageW(GetParent(list), WM_NOTIFY, activate.hdr.idFrom, reinterpret_cast<LPARAM>(&activate));
}

std::string boxText(HWND box) {
    wchar_t text[512] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return toUtf8(text);
}

AppLinkData fileContents(const fs::path& folder) {
    UnsharedEngineLock lock;
    RecordingLogger quiet;
    AppLinkManager reader(folder, lock, quiet);
    reader.load();
    return reader.data();
}

TEST(AppLinkDialogView, ARuleAddedThroughTheItemDialogIsSavedOnOk) {
    MainWindowFixture f;
    const UINT state = GetMenuState(GetMenu(f.main()), static_cast<UINT>(Command::AppLink), MF_BYCOMMAND);
    EXPECT_EQ(state & MF_GRAYED, 0u);

    std::wstring listTitle, itemTitle;
    std::vector<std::string> boxes;
    int rowsAfterAdd = -1;
    DialogAnswer answer([&](HWND list) {
        listTitle = windowText(list);
        DialogAnswer item([&](HWND rule) {
            itemTitle = windowText(rule);
            // OK without a name is refused with its box; the dialog stays.
            DialogAnswer error([&](HWND box) {
                boxes.push_back(toUtf8(windowText(box)) + ": " + boxText(box));
                pressButton(IDOK)(box);
            });
            clickButton(rule, L"OK");
            const std::vector<HWND> edits = children(rule, L"Edit");
            ASSERT_EQ(edits.size(), 3u);
            setText(edits[0], "Racer");
            // Typed, in another case, key by key into the box's edit field:
            // text set there at once is no change the box reports.
            HWND profileField = findChild(children(rule, L"ComboBox").at(0), L"Edit");
            for (const wchar_t key : std::wstring(L"menu")) SendMessageW(profileField, WM_CHAR, key, 0);
            setText(edits[1], "racer.exe");
            clickButton(rule, L"OK");
        });
        clickButton(list, L"追加");
        rowsAfterAdd = rowCount(findChild(list, WC_LISTVIEWW));
        clickButton(list, L"デフォルトの設定ファイルを指定");
        choose(children(list, L"ComboBox").at(0), 2);
        clickButton(list, L"OK");
    });
    f.command(Command::AppLink);

    EXPECT_EQ(listTitle, L"アプリケーションとの関連付け");
    EXPECT_EQ(itemTitle, L"アプリケーションの関連付け");
    EXPECT_EQ(boxes, std::vector<std::string>{"Error: アプリケーション名を指定してください"});
    EXPECT_EQ(rowsAfterAdd, 1);
    const AppLinkData expected{kNoMatchDefaultConfig, "Menu", {{"Racer", "menu", "racer.exe", ""}}};
    EXPECT_EQ(fileContents(f.folder.path()), expected);
    EXPECT_EQ(f.around.appLink.data(), expected);
}

TEST(AppLinkDialogView, CancelAfterEditingAndDeletingLeavesTheFileUntouched) {
    MainWindowFixture f;
    f.around.appLink.replace({kNoMatchLastSelected, "Game", {{"Word", "Menu", "winword.exe", ""}}});
    ASSERT_TRUE(f.around.appLink.save());
    const std::string before = readBytes(f.folder / "AppLink.dat");

    std::string editedName;
    std::vector<std::string> questions;
    int rowsAfterDelete = -1;
    DialogAnswer answer([&](HWND list) {
        HWND rows = findChild(list, WC_LISTVIEWW);
        DialogAnswer item([&](HWND rule) {
            editedName = toUtf8(windowText(children(rule, L"Edit").at(0)));
            setText(children(rule, L"Edit").at(0), "Changed");
            clickButton(rule, L"OK");
        });
        doubleClickRow(rows, 0);
        DialogAnswer yes([&](HWND box) {
            questions.push_back(toUtf8(windowText(box)) + ": " + boxText(box));
            pressButton(IDYES)(box);
        });
        selectRow(rows, 0);
        clickButton(list, L"削除");
        rowsAfterDelete = rowCount(rows);
        clickButton(list, L"Cancel");
    });
    f.command(Command::AppLink);

    EXPECT_EQ(editedName, "Word");
    EXPECT_EQ(questions, std::vector<std::string>{"Warning: \"Changed\" への関連付けを削除してもよろしいですか？"});
    EXPECT_EQ(rowsAfterDelete, 0);
    EXPECT_EQ(readBytes(f.folder / "AppLink.dat"), before);
    EXPECT_EQ(f.around.appLink.data().rules.size(), 1u);
}

TEST(AppLinkDialogView, AClickBesideTheRowsLeavesNoRuleToEdit) {
    MainWindowFixture f;
    f.around.appLink.replace({kNoMatchLastSelected, "", {{"Word", "Menu", "winword.exe", ""}}});
    int selectedAfterClick = 0;
    bool itemShown = false;
    DialogAnswer answer([&](HWND list) {
        HWND rows = findChild(list, WC_LISTVIEWW);
        const auto selected = [rows] {
            return static_cast<int>(SendMessageW(rows, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        };
        selectRow(rows, 0);
        RECT client;
        GetClientRect(rows, &client);
        leftClickAt(rows, {20, client.bottom - 10});
        pumpUntil([&] { return selected() < 0; });
        selectedAfterClick = selected();
        DialogAnswer item([&](HWND rule) {
            itemShown = true;
            clickButton(rule, L"Cancel");
        });
        clickButton(list, L"編集");
        clickButton(list, L"Cancel");
    });
    f.command(Command::AppLink);

    EXPECT_EQ(selectedAfterClick, -1);
    EXPECT_FALSE(itemShown);
}

// The capture counts down on the dialog's own timer and reads the window
// the system has in front; here that is a window of the test's own.
struct FrontWindow final : ForegroundWindowSource {
    HWND window = nullptr;
    WindowHandle foregroundWindow() const override { return reinterpret_cast<WindowHandle>(window); }
};

TEST(AppCaptureDialogView, AfterTheCountdownTheWindowInFrontIsCaptured) {
    // A main window closed by an earlier test leaves its quit message,
    // which would end the next modal loop at once.
    pump();
    TempFolder folder;
    RecordingLogger log;
    UnsharedEngineLock lock;
    AppLinkManager manager(folder.path(), lock, log);
    const std::vector<std::string> profiles;
    FrontWindow front;
    front.window = CreateWindowExW(0, L"STATIC", L"Capture target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    SystemWindowInfo info(log);
    RecordingCaptureHost host;
    AppCaptureDialog dialog({manager, profiles, front, info, host, log});
    dialog.onShown = [](ui::DialogWindow& shown) {
        setText(children(shown.hwnd(), L"Edit").at(0), "1");
        PostMessageW(findChild(shown.hwnd(), L"Button", L"タイマーを使ってアプリケーション情報を取得"), BM_CLICK,
                     0, 0);
    };
    const std::optional<CapturedWindow> captured = dialog.capture(nullptr);
    DestroyWindow(front.window);

    ASSERT_TRUE(captured);
    EXPECT_EQ(captured->title, "Capture target");
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(captured->path, toUtf8(program));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"minimize", "beep", "restore"}));
    ASSERT_EQ(log.messages(LogLevel::Info).size(), 1u);
    const std::string line = log.messages(LogLevel::Info)[0];
    EXPECT_TRUE(line.starts_with("Application info captured [HWND=0x")) << line;
}

}  // namespace
}  // namespace vrx::test
