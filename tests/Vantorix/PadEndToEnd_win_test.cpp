#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "AppInfo/WindowMessages.h"
#include "support/ClipboardText_win.h"
#include "support/ProgramInstance_win.h"
#include "support/StandInPads_win.h"
#include "support/TempFolder.h"

// The whole program driven by a pad: a copy of Vantorix.exe in a folder of
// its own with the stand-in XInput library beside it, which reports the
// pad this test sets up in shared memory. The keys the program sends land in
// a probe window of this test that has the focus.

namespace vrx::test {
namespace {

namespace fs = std::filesystem;

struct KeyMessage {
    UINT message;
    WPARAM key;
    DWORD time;
};

std::vector<KeyMessage> g_keys;

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A key the system repeats by itself has bit 30 set; only first presses count.
    if ((message == WM_KEYDOWN && !(lParam & (1 << 30))) || message == WM_KEYUP)
        g_keys.push_back({message, wParam, static_cast<DWORD>(GetMessageTime())});
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createProbe() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = probeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantorixPadProbe";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"Probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

// Runs this thread's messages for a while, or until done holds.
bool pump(DWORD ms, const std::function<bool()>& done = [] { return false; }) {
    const ULONGLONG until = GetTickCount64() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= until) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(until - now, 5)),
                                  QS_ALLINPUT);
    }
}

bool focus(HWND probe) {
    SetForegroundWindow(probe);
    SetFocus(probe);
    return pump(3000, [probe] { return GetForegroundWindow() == probe && GetFocus() == probe; });
}

std::vector<DWORD> pressTimes(WPARAM key) {
    std::vector<DWORD> times;
    for (const KeyMessage& k : g_keys)
        if (k.message == WM_KEYDOWN && k.key == key) times.push_back(k.time);
    return times;
}

int heldKeys() {
    int held = 0;
    for (const KeyMessage& k : g_keys) held += k.message == WM_KEYDOWN ? 1 : -1;
    return held;
}

// Wine loads its own XInput in place of one beside the program unless the
// program is told otherwise; Windows knows nothing of this key.
void preferProgramsXInput() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Vantorix.exe\\DllOverrides", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const wchar_t order[] = L"native,builtin";
    RegSetValueExW(key, L"xinput1_4", 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof order);
    RegCloseKey(key);
}

constexpr char kGame[] =
    "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\nNumberOfButtons=32\r\nKeySendMode=1\r\n"
    "[Joystick 1]\r\n"
    "Axis1n=1, 4C:00:00:00, 0.000, 0, 0\r\n"         // stick left: L
    "Button01=1, 41:00:00:00, 10.000, 0, 0\r\n"      // A, ten times a second
    "Button02=6, \"Menu\", 0\r\n";                   // to the other profile
constexpr char kMenu[] =
    "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\nKeySendMode=1\r\n"
    "VibrationSpeed1=50\r\nVibrationSpeed2=25\r\nVibrationDuration=200\r\n"
    "[Joystick 1]\r\nButton01=1, 4D:00:00:00, 0.000, 0, 0\r\n";

// A copy of the program in a folder of its own with the stand-in library,
// started with Game.cfg and one pad plugged in, and the probe in front.
class PadEndToEnd : public ::testing::Test {
protected:
    void start(const std::string& game) {
        ASSERT_TRUE(pads.ready());
        const fs::path program = folder / "Vantorix.exe";
        fs::copy_file(fs::path(windowsPath(VANTORIX_EXE)), program);
        fs::copy_file(fs::path(windowsPath(VANTORIX_XINPUT_STANDIN)), folder / "xinput1_4.dll");
        folder.write("Game.cfg", game);
        folder.write("Menu.cfg", kMenu);
        // A user who has run the program before: no greeting takes the
        // focus from the window the keys are typed into.
        folder.write("Vantorix.ini", "[LastStatus]\r\nHasRunBefore=1\r\n");
        pads.pad(0).vendorId = 0x045E;
        pads.pad(0).productId = 0x028E;
        pads.pad(0).connected = 1;
        preferProgramsXInput();
        vantorix = std::make_unique<ProgramInstance>(program.wstring(), L"\"" + (folder / "Game.cfg").wstring() + L"\"");
        ASSERT_TRUE(vantorix->started());
        ASSERT_TRUE(waitFor([&] { return logHas("1 joystick(s) are detected"); })) << log();
        ASSERT_TRUE(waitFor([&] { return logHas("TimerInit: Timer initialized"); })) << log();
        probe = createProbe();
        ASSERT_TRUE(focus(probe));
        pump(200);
        g_keys.clear();
    }
    void TearDown() override {
        if (probe) DestroyWindow(probe);
    }
    std::string log() const { return readBytes(folder / "Vantorix.log"); }
    bool logHas(const std::string& text) const { return log().find(text) != std::string::npos; }
    // A button of the pad pressed and let go.
    void click(WORD button) {
        pads.change(0, [button](standin::Pad& p) { p.buttons = button; });
        pump(100);
        pads.change(0, [](standin::Pad& p) { p.buttons = 0; });
        pump(100);
    }

    StandInPads pads;
    TempFolder folder;
    std::unique_ptr<ProgramInstance> vantorix;
    HWND probe = nullptr;
};

TEST_F(PadEndToEnd, APadsButtonsAndStickBecomeKeysAndASwitchRumbles) {
    start(kGame);
    EXPECT_TRUE(logHas("Assign XInput Device #1 to Joystick[1] (045E028E-1)")) << log();

    // Button 1 held for half a second: a press every 100 ms, as the engine
    // counts its 16 ms ticks.
    pads.change(0, [](standin::Pad& p) { p.buttons = 0x1000; });
    pump(500);
    pads.change(0, [](standin::Pad& p) { p.buttons = 0; });
    pump(300);
    const std::vector<DWORD> presses = pressTimes('A');
    ASSERT_GE(presses.size(), 5u) << log();
    EXPECT_LE(presses.size(), 6u);
    for (size_t i = 1; i < presses.size(); ++i) {
        const DWORD gap = presses[i] - presses[i - 1];
        EXPECT_GE(gap, 100u - 2 * 16) << i;
        EXPECT_LE(gap, 100u + 2 * 16) << i;
    }
    EXPECT_EQ(heldKeys(), 0);

    // The stick pushed left holds L until it comes back.
    g_keys.clear();
    pads.change(0, [](standin::Pad& p) { p.thumbLX = -32768; });
    pump(200);
    pads.change(0, [](standin::Pad& p) { p.thumbLX = 0; });
    pump(200);
    EXPECT_EQ(pressTimes('L').size(), 1u);
    EXPECT_EQ(heldKeys(), 0);

    // Button 2 switches to Menu on its release, and Menu rumbles for 200 ms.
    pads.change(0, [](standin::Pad& p) { p.buttons = 0x2000; });
    pump(100);
    pads.change(0, [](standin::Pad& p) { p.buttons = 0; });
    ASSERT_TRUE(pump(3000, [&] { return pads.rumbles().size() >= 2; })) << log();
    EXPECT_EQ(pads.rumbles(), (std::vector<std::string>{"32750,16375", "0,0"}));
    EXPECT_TRUE(logHas("About to load config file \"Menu\""));

    // The pad goes: its polls fail without harm, and a detection drops it.
    pads.change(0, [](standin::Pad& p) { p.connected = 0; });
    pump(200);
    PostMessageW(FindWindowW(L"TMainForm", nullptr), wm::kVrxRefreshDevices, 0, 0);
    EXPECT_TRUE(waitFor([&] { return logHas("0 joystick(s) are detected"); })) << log();
    EXPECT_TRUE(vantorix->running());

    // Back again, held down as the session ends: the key goes up.
    pads.change(0, [](standin::Pad& p) { p.connected = 1; });
    PostMessageW(FindWindowW(L"TMainForm", nullptr), wm::kVrxRefreshDevices, 0, 0);
    ASSERT_TRUE(waitFor([&] { return log().rfind("1 joystick(s) are detected") > log().find("0 joystick(s)"); }));
    ASSERT_TRUE(focus(probe));
    g_keys.clear();
    pads.change(0, [](standin::Pad& p) { p.buttons = 0x1000; });  // M in Menu, held
    ASSERT_TRUE(pump(2000, [] { return pressTimes('M').size() == 1; })) << log();
    DWORD_PTR allowed = 0;
    SendMessageTimeoutW(FindWindowW(L"TMainForm", nullptr), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &allowed);
    EXPECT_EQ(vantorix->exitCode(), 0);
    pump(300);
    EXPECT_EQ(heldKeys(), 0) << "a key was left down";
}

TEST_F(PadEndToEnd, APasteFillsTheClipboardAndTypesCtrlVAndALaunchStartsTheProgram) {
    const fs::path work = folder / "work";
    fs::create_directory(work);
    const std::string launchProbe = fs::path(windowsPath(VANTORIX_LAUNCH_PROBE)).string();
    start(std::string(kGame) + "Button03=10, ##Pad ${yyyy}\\nline two\r\n" +
          "Button04=9, \"" + launchProbe + "\", |-x \"a b\"|" + work.string() + "|\r\n");

    click(0x4000);  // X: the paste
    ASSERT_TRUE(pump(3000, [] { return pressTimes('V').size() == 1; })) << log();
    pump(100);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(clipboardUnicodeText(), L"Pad " + std::to_wstring(now.wYear) + L"\r\nline two");
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const KeyMessage& k : g_keys) keys.emplace_back(k.message, k.key);
    EXPECT_EQ(keys, (std::vector<std::pair<UINT, WPARAM>>{
                        {WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'V'}, {WM_KEYUP, 'V'}, {WM_KEYUP, VK_CONTROL}}));

    click(0x8000);  // Y: the launch
    const fs::path launched = work / "launched.txt";
    ASSERT_TRUE(waitFor([&] { return fs::exists(launched) && fs::file_size(launched) > 0; })) << log();
    pump(200);
    const std::string bytes = readBytes(launched);
    const std::wstring report(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    EXPECT_NE(report.find(L"-x \"a b\""), std::wstring::npos) << toUtf8(report);
    EXPECT_NE(report.find(L"\n" + work.wstring()), std::wstring::npos) << toUtf8(report);
    EXPECT_TRUE(logHas("Launching program: " + launchProbe));
}

}  // namespace
}  // namespace vrx::test
