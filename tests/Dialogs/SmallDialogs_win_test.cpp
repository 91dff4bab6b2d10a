#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Dialogs/AboutBox_win.h"
#include "Dialogs/GreetingDialog_win.h"
#include "Dialogs/ImageForm_win.h"
#include "Dialogs/InputNameDialog_win.h"
#include "Dialogs/WizardDialog_win.h"
#include "support/TempFolder.h"

// The dialogs are shown for real, modal, and driven by messages posted to
// their controls before the modal loop reads them, as the keyboard and the
// mouse would deliver them. They need a display (Xvfb under Wine).

namespace vrx {
namespace {

HWND child(HWND dialog, const wchar_t* className, const wchar_t* text) {
    return FindWindowExW(dialog, nullptr, className, text);
}

void postKey(HWND window, UINT virtualKey) {
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void postClick(HWND window) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// A safety net: a dialog the test failed to close is closed after 5 s.
void closeLater(ui::DialogWindow& dialog) {
    SetTimer(dialog.hwnd(), 99, 5000, [](HWND window, UINT, UINT_PTR, DWORD) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
}

TEST(WizardDialog, TabInTheKeyBoxIsTheTabKey) {
    WizardDialog dialog;
    dialog.setExplanation("ジョイスティック 1 の ボタン 1 に対応させるキーを押してください");
    std::wstring focusedClass;
    dialog.onShown = [&](ui::DialogWindow& shown) {
        closeLater(shown);
        wchar_t className[32] = {};
        GetClassNameW(GetFocus(), className, 32);
        focusedClass = className;
        postKey(GetFocus(), VK_TAB);
    };
    EXPECT_EQ(dialog.showFor(nullptr), WizardForm::kKey);
    EXPECT_EQ(dialog.key(), 9);
    EXPECT_EQ(focusedClass, L"Edit");
}

TEST(WizardDialog, LetterIsTakenAsItsKeyAndEachShowingStartsAfresh) {
    WizardDialog dialog;
    dialog.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        postKey(GetFocus(), 'K');
    };
    EXPECT_EQ(dialog.showFor(nullptr), WizardForm::kKey);
    EXPECT_EQ(dialog.key(), 'K');

    dialog.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        PostMessageW(child(shown.hwnd(), L"Button", L"スキップ"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.showFor(nullptr), WizardForm::kSkip);
    EXPECT_EQ(dialog.key(), 0);

    dialog.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        PostMessageW(child(shown.hwnd(), L"Button", L"設定終了"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.showFor(nullptr), WizardForm::kExit);
}

TEST(InputNameDialog, CancelGivesAnEmptyTextEvenAfterTyping) {
    InputNameForm form("Game");
    InputNameDialog dialog(form);
    dialog.setTitle("名前の変更");
    std::string shownTitle, typed;
    dialog.onShown = [&](ui::DialogWindow& shown) {
        closeLater(shown);
        wchar_t title[64] = {};
        GetWindowTextW(shown.hwnd(), title, 64);
        shownTitle = title == std::wstring(L"名前の変更") ? "ok" : "wrong";
        HWND box = GetFocus();
        PostMessageW(box, WM_CHAR, L'X', 1);
        PostMessageW(child(shown.hwnd(), L"Button", L"Cancel"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.ask(nullptr), "");
    EXPECT_EQ(form.text(), "");
    EXPECT_EQ(shownTitle, "ok");
}

TEST(InputNameDialog, EnterInTheBoxKeepsTheTypedText) {
    InputNameForm form("Game");
    InputNameDialog dialog(form);
    dialog.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        HWND box = GetFocus();
        // The whole text is selected at the start: typing replaces it.
        for (wchar_t c : std::wstring(L"新しい名前")) PostMessageW(box, WM_CHAR, c, 1);
        postKey(box, VK_RETURN);
    };
    EXPECT_EQ(dialog.ask(nullptr), "新しい名前");
}

TEST(InputNameDialog, EscapeCancels) {
    InputNameForm form("Game");
    InputNameDialog dialog(form);
    dialog.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        postKey(GetFocus(), VK_ESCAPE);
    };
    EXPECT_EQ(dialog.ask(nullptr), "");
}

TEST(LinkDialogs, ClickingTheLinkOpensItsAddressAndEnterCloses) {
    std::vector<std::string> opened;
    GreetingDialog greeting("https://example.invalid/ja/overview",
                            [&](const std::string& address) { opened.push_back(address); });
    greeting.onShown = [](ui::DialogWindow& shown) {
        closeLater(shown);
        postClick(child(shown.hwnd(), L"Static", L"https://example.invalid/ja/overview"));
        postKey(GetFocus(), VK_RETURN);
    };
    EXPECT_EQ(greeting.showModal(nullptr), IDOK);

    AboutBox about("https://example.invalid/ja/", [&](const std::string& address) { opened.push_back(address); });
    bool versionShown = false;
    about.onShown = [&](ui::DialogWindow& shown) {
        closeLater(shown);
        versionShown = child(shown.hwnd(), L"Static", L"Version 7.4.1") != nullptr &&
                       child(shown.hwnd(), L"Static", L"Vantorix") != nullptr;
        postClick(child(shown.hwnd(), L"Static", L"https://example.invalid/ja/"));
        postKey(GetFocus(), VK_RETURN);
    };
    EXPECT_EQ(about.showModal(nullptr), IDOK);
    EXPECT_TRUE(versionShown);
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.invalid/ja/overview", "https://example.invalid/ja/"}));
}

// A 4 x 2 24-bit bitmap file.
std::filesystem::path writeBitmap(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / "picture.bmp";
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = 4;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    const std::string pixels(24, '\x7f');  // rows of 12 bytes, already 4-aligned
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return path;
}

TEST(ImageForm, ShowsTopmostWithoutActivationAndAClickCloses) {
    test::TempFolder folder;
    const std::filesystem::path picture = writeBitmap(folder.path());
    ImageForm form;
    ASSERT_TRUE(form.create());
    int hidden = 0;
    form.onHidden = [&] { ++hidden; };
    const HWND activeBefore = GetActiveWindow();
    ASSERT_TRUE(form.ShowImage(picture, 0, 60000, 0));
    EXPECT_TRUE(form.showing());
    EXPECT_EQ(form.pictureSize().cx, 4);
    EXPECT_EQ(form.pictureSize().cy, 2);
    EXPECT_TRUE(GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetActiveWindow(), activeBefore);
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, 4);
    EXPECT_EQ(client.bottom, 2);

    SendMessageW(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(form.showing());
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(form.ShowImage(folder.path() / "missing.png", 0, 1000, 0));
}

TEST(ImageForm, TimerClosesAndANewPictureRestartsIt) {
    test::TempFolder folder;
    const std::filesystem::path picture = writeBitmap(folder.path());
    ImageForm form;
    ASSERT_TRUE(form.create());
    ASSERT_TRUE(form.ShowImage(picture, 4, 150, 0));
    ASSERT_TRUE(form.ShowImage(picture, 4, 400, 0));  // replaces the first, timer restarted
    const DWORD start = GetTickCount();
    bool closed = false;
    form.onHidden = [&] { closed = true; };
    MSG message;
    while (!closed && GetTickCount() - start < 3000) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
    EXPECT_TRUE(closed);
    EXPECT_GE(GetTickCount() - start, 300u);  // not the first picture's 150 ms
}

}  // namespace
}  // namespace vrx
