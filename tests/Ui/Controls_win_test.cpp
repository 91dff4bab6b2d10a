#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/Dpi_win.h"
#include "Ui/Edit_win.h"
#include "Ui/ListView_win.h"
#include "Ui/Menu_win.h"
#include "Ui/MessageBoxes_win.h"
#include "Ui/TabStrip_win.h"
#include "Ui/Theme_win.h"
#include "Ui/TrackBar_win.h"

// Controls on a real top-level window whose procedure reflects the
// notifications, driven by the messages a user's input produces. They need
// a display (Xvfb under Wine).

namespace vrx::ui {
namespace {

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (reflectToControl(window, message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

class Host : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = hostProcedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"VantorixControlTestHost";
            return RegisterClassW(&windowClass) != 0;
        }();
        ASSERT_TRUE(registered);
        window = CreateWindowExW(0, L"VantorixControlTestHost", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                                 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr) << "no display: run under Xvfb (scripts/test.sh)";
    }
    void TearDown() override {
        Theme::setCurrent(ThemeKind::Windows);
        if (window) DestroyWindow(window);
    }
    static void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    HWND window = nullptr;
};

TEST_F(Host, ClicksAndChecksReachTheirControlsThroughReflection) {
    Button button;
    CheckBox check;
    ASSERT_TRUE(button.create(window, "押す"));
    ASSERT_TRUE(check.create(window, "連射"));
    // A click counts only when the button is released over the button.
    button.setBounds(0, 0, 80, 24);
    check.setBounds(0, 30, 80, 24);
    int clicks = 0;
    std::vector<bool> changes;
    button.onClick = [&] { ++clicks; };
    check.onChange = [&](bool checked) { changes.push_back(checked); };
    EXPECT_EQ(Control::fromWindow(button.hwnd()), &button);
    EXPECT_EQ(Control::fromWindow(window), nullptr);

    SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
    SendMessageW(check.hwnd(), BM_CLICK, 0, 0);
    SendMessageW(check.hwnd(), BM_CLICK, 0, 0);
    check.setChecked(true);  // not the user's change: no event
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
    EXPECT_TRUE(check.checked());
    EXPECT_EQ(button.text(), "押す");
}

TEST_F(Host, EditReportsKeysCharactersAndNumbers) {
    Edit box;
    ASSERT_TRUE(box.create(window, "12", {.digitsOnly = true}));
    std::vector<int> keys;
    box.onKeyDown = [&](int key) {
        keys.push_back(key);
        return key == VK_F2;  // consumed
    };
    box.onChar = [](wchar_t c) { return c == L'x'; };  // swallowed
    EXPECT_EQ(box.number(), 12);
    box.setBounds(0, 0, 100, 24);
    box.setFocus();
    SendMessageW(box.hwnd(), EM_SETSEL, 2, 2);
    SendMessageW(box.hwnd(), WM_KEYDOWN, VK_F2, 1);
    SendMessageW(box.hwnd(), WM_CHAR, L'x', 1);
    SendMessageW(box.hwnd(), WM_CHAR, L'3', 1);
    EXPECT_EQ(keys, std::vector<int>{VK_F2});
    EXPECT_EQ(box.text(), "123");
    box.setText("abc");
    EXPECT_EQ(box.number(), std::nullopt);
}

TEST_F(Host, ListViewRowsDataColoursAndNoLabelEditing) {
    ListView list;
    ASSERT_TRUE(list.create(window));
    list.setBounds(0, 0, 400, 300);
    list.setColumns({{"ボタン", 80}, {"機能", 120}, {"連射", 40, TextAlign::Centre}});
    EXPECT_EQ(list.addRow({"ボタン 1", "Z", ""}, 100), 0);
    EXPECT_EQ(list.addRow({"ボタン 2", "X", "○"}, 101), 1);
    list.setCellText(0, 1, "Ctrl + C");
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cellText(0, 1), "Ctrl + C");
    EXPECT_EQ(list.cellText(1, 2), "○");
    EXPECT_EQ(list.rowData(1), 101);
    EXPECT_EQ(list.columnWidth(0), 80);
    list.setDpi(Dpi(144));
    EXPECT_EQ(list.columnWidth(0), 120);

    std::vector<int> asked;
    list.rowLook = [&](int row) {
        asked.push_back(row);
        return RowLook{.background = row == 1 ? RGB(255, 200, 0) : CLR_DEFAULT};
    };
    list.redrawRows();
    UpdateWindow(list.hwnd());
    EXPECT_NE(std::find(asked.begin(), asked.end(), 1), asked.end());

    std::vector<int> selections;
    list.onSelectionChange = [&](int row) { selections.push_back(row); };
    list.setFocus();
    list.setSelectedRow(0);
    SendMessageW(list.hwnd(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_EQ(selections, (std::vector<int>{0, 1}));

    EXPECT_EQ(SendMessageW(list.hwnd(), LVM_EDITLABELW, 0, 0), 0);  // no edit box appears
    list.setRowCount(1);
    EXPECT_EQ(list.rowCount(), 1);
}

TEST_F(Host, ComboTabsAndTrackBarReportTheUsersChoice) {
    ComboBox combo;
    TabStrip tabs;
    TrackBar track;
    ASSERT_TRUE(combo.create(window));
    ASSERT_TRUE(tabs.create(window));
    ASSERT_TRUE(track.create(window, 0, 10));
    combo.setBounds(0, 0, 200, 24);
    tabs.setBounds(0, 40, 300, 100);
    track.setBounds(0, 150, 200, 30);

    std::vector<int> comboChanges, tabChanges, trackChanges;
    combo.onChange = [&](int index) { comboChanges.push_back(index); };
    tabs.onChange = [&](int index) { tabChanges.push_back(index); };
    track.onChange = [&](int value) { trackChanges.push_back(value); };

    combo.setItems({"キーボード", "マウス"});
    combo.setSelected(0);
    combo.setFocus();
    SendMessageW(combo.hwnd(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(combo.selected(), 1);
    EXPECT_EQ(combo.itemText(1), "マウス");

    tabs.setTabs({"Joystick 1", "Joystick 2", "オプション"});
    tabs.setFocus();
    SendMessageW(tabs.hwnd(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(tabs.selected(), 1);
    // The owner's refusal goes back to the strip as TRUE.
    tabs.onChanging = [] { return false; };
    NMHDR changing{tabs.hwnd(), static_cast<UINT_PTR>(tabs.id()), static_cast<UINT>(TCN_SELCHANGING)};
    EXPECT_EQ(SendMessageW(window, WM_NOTIFY, changing.idFrom, reinterpret_cast<LPARAM>(&changing)), TRUE);
    RECT page = tabs.pageRect();
    EXPECT_GT(page.top, 40);

    track.setValue(3);
    track.setFocus();
    SendMessageW(track.hwnd(), WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(track.value(), 4);

    EXPECT_EQ(comboChanges, std::vector<int>{1});
    EXPECT_EQ(tabChanges, std::vector<int>{1});
    EXPECT_EQ(trackChanges, std::vector<int>{4});
}

TEST_F(Host, DarkThemeDrawsButtonsItselfAndColoursPlainChildren) {
    Button button;
    ASSERT_TRUE(button.create(window, "OK", true));
    HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, window, nullptr,
                                 nullptr, nullptr);
    Theme::setCurrent(ThemeKind::Glow);
    applyTheme(window);
    EXPECT_EQ(GetWindowLongPtrW(button.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    HDC dc = GetDC(plain);
    const LRESULT brush = SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), Theme::windowBrush());
    EXPECT_EQ(GetTextColor(dc), glowPalette().text);
    ReleaseDC(plain, dc);

    Theme::setCurrent(ThemeKind::Windows);
    applyTheme(window);
    EXPECT_EQ(GetWindowLongPtrW(button.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

int brightness(COLORREF colour) { return GetRValue(colour) + GetGValue(colour) + GetBValue(colour); }

// The brightest pixel of a control's caption, right of its box.
int brightestCaptionPixel(HWND control) {
    UpdateWindow(control);
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    int brightest = 0;
    for (int y = client.top; y < client.bottom; ++y)
        for (int x = client.left + 20; x < client.right; ++x)
            brightest = std::max(brightest, brightness(GetPixel(dc, x, y)));
    ReleaseDC(control, dc);
    return brightest;
}

// The classic check box embosses a disabled caption in the system's light
// colours, which on the dark palette looks enabled; none of it may show.
TEST_F(Host, DarkThemeGreysDisabledChecksAndRadios) {
    CheckBox check;
    RadioButton radio;
    ASSERT_TRUE(check.create(window, "WWWWWW"));
    ASSERT_TRUE(radio.create(window, "WWWWWW", true));
    check.setBounds(10, 10, 150, 24);
    radio.setBounds(10, 40, 150, 24);
    Theme::setCurrent(ThemeKind::Glow);
    applyTheme(window);
    pump();
    const int enabled = brightestCaptionPixel(check.hwnd());
    EXPECT_GE(enabled, brightness(glowPalette().text) - 30);

    check.setEnabled(false);
    radio.setEnabled(false);
    check.setChecked(true);  // drawn by the control itself at once
    pump();
    const int disabledLimit = brightness(glowPalette().disabledText);
    for (HWND control : {check.hwnd(), radio.hwnd()}) {
        const int brightest = brightestCaptionPixel(control);
        EXPECT_LE(brightest, disabledLimit);
        EXPECT_GT(brightest, brightness(glowPalette().window));  // the caption is there
    }
    EXPECT_TRUE(check.checked());

    check.setEnabled(true);
    pump();
    EXPECT_GE(brightestCaptionPixel(check.hwnd()), enabled - 30);
}

TEST(Dpi, ScalesDesignSizesAndCanBeForced) {
    EXPECT_EQ(Dpi(96).scale(100), 100);
    EXPECT_EQ(Dpi(144).scale(100), 150);
    EXPECT_EQ(Dpi(120).scale(7), 9);  // rounded, as MulDiv does
    EXPECT_EQ(Dpi(144).unscale(150), 100);
    EXPECT_EQ(Dpi(144).factor(), 1.5);
    const int before = forcedDpi();
    setForcedDpi(144);
    EXPECT_EQ(dpiOf(nullptr), 144);
    EXPECT_EQ(Dpi::of(nullptr).scale(8), 12);
    setForcedDpi(before);
}

TEST(Menu, TableGivesChecksEnablesAndSubmenus) {
    Menu menu({{.id = 10, .caption = "貼り付け"},
               {.id = 11, .caption = "クリア", .enabled = false},
               {.kind = MenuKind::Separator},
               {.id = 12, .caption = "入れ替え", .kind = MenuKind::Submenu, .children = {{.id = 20, .caption = "ボタン 1"}}},
               {.id = 13, .caption = "常に手前", .checked = true}});
    EXPECT_EQ(menu.itemCount(), 5);
    EXPECT_TRUE(menu.checked(13));
    EXPECT_FALSE(menu.checked(10));
    EXPECT_FALSE(menu.enabled(11));
    EXPECT_TRUE(menu.contains(20));
    EXPECT_FALSE(menu.contains(99));
    menu.setChecked(13, false);
    menu.setEnabled(11, true);
    EXPECT_FALSE(menu.checked(13));
    EXPECT_TRUE(menu.enabled(11));

    ASSERT_TRUE(menu.replaceSubmenu(12, {{.id = 21, .caption = "ボタン 2"}, {.id = 22, .caption = "ボタン 3"}}));
    EXPECT_EQ(menu.itemCount(12), 2);
    EXPECT_FALSE(menu.contains(20));
    EXPECT_TRUE(menu.contains(22));
}

// The box answers through a CBT hook that reads its text and title and
// presses a button, as a user would.
struct BoxSeen {
    std::wstring text, title;
    UINT press = IDOK;
};
BoxSeen* g_box = nullptr;
HHOOK g_hook = nullptr;

// Read a moment after activation: Wine activates the box before it has
// filled in its texts.
void CALLBACK readAndPress(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    wchar_t text[256] = {}, title[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message's static control
    GetWindowTextW(box, title, 256);
    g_box->text = text;
    g_box->title = title;
    PostMessageW(box, WM_COMMAND, g_box->press, 0);
}

LRESULT CALLBACK answerBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_box) SetTimer(reinterpret_cast<HWND>(wParam), 1, 50, readAndPress);
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST(MessageBoxes, ExactTextAndTitleAndTheAnswerPressed) {
    struct Case {
        MessageButtons buttons;
        UINT press;
        MessageAnswer answer;
    };
    for (const Case& c : {Case{MessageButtons::YesNo, IDNO, MessageAnswer::No},
                          Case{MessageButtons::YesNoCancel, IDCANCEL, MessageAnswer::Cancel},
                          Case{MessageButtons::YesNo, IDYES, MessageAnswer::Yes}, Case{MessageButtons::Ok, IDOK, MessageAnswer::Ok}}) {
        BoxSeen seen;
        seen.press = c.press;
        g_box = &seen;
        g_hook = SetWindowsHookExW(WH_CBT, answerBox, nullptr, GetCurrentThreadId());
        const MessageAnswer answer = showMessageBox(
            nullptr, "Joystick [1] のボタン割り当てをすべてクリアしてもよろしいですか？", "Warning", MessageIcon::Warning,
            c.buttons);
        UnhookWindowsHookEx(g_hook);
        g_box = nullptr;
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.text, L"Joystick [1] のボタン割り当てをすべてクリアしてもよろしいですか？");
        EXPECT_EQ(seen.title, L"Warning");
    }
}

}  // namespace
}  // namespace vrx::ui
