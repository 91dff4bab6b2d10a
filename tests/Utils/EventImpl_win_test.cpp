#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Utils/EventImpl_win.h"
#include "support/RecordingLogger.h"

// These tests inject real input and watch a real window receive it, so they
// need a desktop: under Wine an X display, which scripts/test.sh provides
// with Xvfb. Without one they fail and say so; skipping would let a broken
// sender pass in CI unnoticed.

namespace vrx {
namespace {

using test::RecordingLogger;
using test::withoutSourcePosition;

const std::string kSendMessageError = "SendMessageEventImpl: SendMessageTimeout failed or timed out";

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Received> g_received;

// One key message as the window saw it, field by field so a failure names the field.
void expectKeyMessage(const Received& got, UINT message, WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(got.message, message);
    EXPECT_EQ(got.wParam, wParam);
    EXPECT_EQ(got.lParam, lParam);
}

bool isInputMessage(UINT message) {
    switch (message) {
        case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        case WM_MOUSEWHEEL: case WM_MOUSEHWHEEL:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isInputMessage(message)) {
        g_received.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs the thread's messages until done() holds or the time is up.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        // Sleeps until input or a message arrives, 10 ms at most.
        // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-msgwaitformultipleobjects
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                  QS_ALLINPUT);
    }
}

void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// Waits for count input messages, then a little longer: one too many is a
// fault as much as one too few.
std::vector<Received> receive(size_t count) {
    pumpUntil([count] { return g_received.size() >= count; }, 2000);
    pumpFor(30);
    return g_received;
}

HWND createTopLevelWindow(const wchar_t* title, DWORD visible) {
    static const wchar_t kClassName[] = L"VantorixInjectionTestWindow";
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = recordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        return RegisterClassW(&wc);
    }();
    if (!atom) return nullptr;
    return CreateWindowExW(0, kClassName, title, WS_OVERLAPPEDWINDOW | visible, 100, 100, 400, 300, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// One visible top-level window for the whole run, brought to the front with
// the focus before each test, so injected input has one place to go.
class InjectionTarget {
public:
    static InjectionTarget& instance() {
        static InjectionTarget target;
        return target;
    }

    HWND window() const { return window_; }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }
    const std::string& problem() const { return problem_; }

    // Puts the window in front, waits until the system agrees, and forgets
    // what it received so far.
    bool bringToFront() {
        if (!window_) return false;
        // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setforegroundwindow
        SetForegroundWindow(window_);
        SetFocus(window_);
        if (!pumpUntil([this] { return GetForegroundWindow() == window_ && GetFocus() == window_; }, 3000)) {
            problem_ = "the test window did not become the foreground window with the focus";
            return false;
        }
        pumpFor(20);
        g_received.clear();
        return true;
    }

    // Puts the cursor in the middle of the client area, where a click is
    // only a click.
    void cursorToClientCentre() {
        RECT client;
        GetClientRect(window_, &client);
        POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        ClientToScreen(window_, &centre);
        SetCursorPos(centre.x, centre.y);
        pumpFor(30);
        g_received.clear();
    }

private:
    InjectionTarget() {
        window_ = createTopLevelWindow(L"Vantorix injection test", WS_VISIBLE);
        if (!window_) {
            const DWORD error = GetLastError();
            problem_ = "no desktop to inject into: CreateWindowEx of a top-level window failed (error " +
                       std::to_string(error) +
                       "). Under Wine this needs an X display: scripts/test.sh starts Xvfb for the "
                       "windows-mingw tests; by hand, set DISPLAY and VANTORIX_WINE_DISPLAY=1 for "
                       "cmake/wine-run.sh.";
            return;
        }
        UpdateWindow(window_);
    }

    HWND window_ = nullptr;
    std::string problem_;
};

#define ASSERT_WINDOW_IN_FRONT() \
    ASSERT_TRUE(InjectionTarget::instance().bringToFront()) << InjectionTarget::instance().problem()

bool runningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

int scanCodeOf(LPARAM lParam) { return static_cast<int>((lParam >> 16) & 0xFF); }
bool extendedBitOf(LPARAM lParam) { return ((lParam >> 24) & 1) != 0; }

// --- The set of senders ---------------------------------------------------

TEST(WindowsKeySenders, EachModeAnswersItsSender) {
    NullLogger log;
    WindowsKeySenders senders(log, [] { return WindowHandle{0}; });
    const std::type_info* expected[] = {&typeid(KeybdEventImpl), &typeid(SendInputVKEventImpl),
                                        &typeid(SendInputSCEventImpl), &typeid(SendMessageEventImpl)};
    for (int mode = 0; mode < 4; ++mode) {
        AbstractEvent* sender = senders.senderFor(mode);
        ASSERT_NE(sender, nullptr) << mode;
        EXPECT_EQ(std::string(typeid(*sender).name()), expected[mode]->name()) << mode;
    }
    EXPECT_EQ(senders.senderFor(-1), nullptr);
    EXPECT_EQ(senders.senderFor(4), nullptr);
}

// --- Injected keys ----------------------------------------------------------

class InjectingSender : public ::testing::TestWithParam<int> {
protected:
    RecordingLogger log;
    WindowsKeySenders senders{log, [] { return WindowHandle{0}; }};
    AbstractEvent& sender() { return *senders.senderFor(GetParam()); }
};

TEST_P(InjectingSender, PressAndReleaseReachTheFocusWindow) {
    ASSERT_WINDOW_IN_FRONT();
    sender().Key(0x41, 0x1E, 0);
    sender().Key(0x41, 0x1E, kKeyFlagUp);
    const auto got = receive(2);
    ASSERT_EQ(got.size(), 2u);
    expectKeyMessage(got[0], WM_KEYDOWN, 0x41, 0x001E0001);
    expectKeyMessage(got[1], WM_KEYUP, 0x41, 0xC01E0001);
    EXPECT_TRUE(log.lines.empty());
}

std::string modeName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"KeybdEvent", "SendInputVK", "SendInputSC"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Modes, InjectingSender, ::testing::Values(0, 1, 2), modeName);

TEST(SendInputSCEventImpl, ExtendedScanCodeArrivesAsTheArrowKey) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    SendInputSCEventImpl sender(log);
    sender.Key(0x25, 0x4B, kKeyFlagExtended);
    sender.Key(0x25, 0x4B, kKeyFlagExtended | kKeyFlagUp);
    const auto got = receive(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(got[0].wParam, WPARAM{VK_LEFT});
    EXPECT_EQ(got[1].message, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(got[1].wParam, WPARAM{VK_LEFT});
    // Without the extended bit, 0x4B is the keypad's 4.
    for (const auto& r : got) {
        EXPECT_EQ(scanCodeOf(r.lParam), 0x4B);
        EXPECT_TRUE(extendedBitOf(r.lParam));
    }
}

// Windows identifies a scan-code record by wScan alone. Wine 8 does not: it
// reports the record's wVk, and 0 when wVk is 0, so there the two SendInput
// modes cannot be told apart by what a window receives.
TEST(SendInputSCEventImpl, TheScanCodeDecidesTheKey) {
    if (runningUnderWine()) GTEST_SKIP() << "Wine reports wVk even for scan-code input";
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    SendInputSCEventImpl sender(log);
    const WPARAM expected = MapVirtualKeyW(0x1E, MAPVK_VSC_TO_VK);  // 'A' on a US layout, 'Q' on AZERTY
    sender.Key(0x42, 0x1E, 0);
    sender.Key(0x42, 0x1E, kKeyFlagUp);
    const auto got = receive(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].wParam, expected);
    EXPECT_EQ(got[1].wParam, expected);
}

// --- Multi-record scan-code input --------------------------------------------

TEST(ScanInput, DeliversEveryRecordInOrder) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    SendInputVKEventImpl sender(log);
    const ScanRecord records[] = {{0x1E, kKeyFlagScanCode},
                                  {0x30, kKeyFlagScanCode},
                                  {0x30, kKeyFlagScanCode | kKeyFlagUp},
                                  {0x1E, kKeyFlagScanCode | kKeyFlagUp}};
    sender.ScanInput(records, 4);
    const auto got = receive(4);
    ASSERT_EQ(got.size(), 4u);
    const UINT expectedMessages[] = {WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP, WM_KEYUP};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(got[i].message, expectedMessages[i]) << i;
        EXPECT_EQ(scanCodeOf(got[i].lParam), records[i].scanCode) << i;
        EXPECT_FALSE(extendedBitOf(got[i].lParam)) << i;
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST(ScanInput, PauseAlternativeGoesInWhole) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    KeybdEventImpl sender(log);
    const ScanRecord pause[] = {{0xE1, 9}, {0x1D, 9}, {0x45, 9}, {0xE1, 0x0B}, {0x9D, 0x0B}, {0xC5, 0x0B}};
    sender.ScanInput(pause, 6);
    receive(6);
    // A short injection would have logged an Error line.
    EXPECT_TRUE(log.lines.empty());
}

TEST(ScanInput, MoreRecordsThanOneInjectionTakesAreRefused) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    SendInputSCEventImpl sender(log);
    ScanRecord records[MouseEventBase::kMaxScanRecords + 1];
    for (auto& r : records) r = {0x1E, kKeyFlagScanCode};
    sender.ScanInput(records, MouseEventBase::kMaxScanRecords + 1);
    sender.ScanInput(records, 0);
    pumpFor(50);
    EXPECT_TRUE(g_received.empty());
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].level, LogLevel::Error);
}

// --- Key messages sent to the foreground window -------------------------------

TEST(SendMessageEventImpl, SendsTheKeyMessagesARealKeyWouldPost) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    WindowHandle foreground = InjectionTarget::instance().handle();
    SendMessageEventImpl sender(log, [&] { return foreground; });
    sender.Key(0x41, 0x1E, 0);
    sender.Key(0x41, 0x1E, kKeyFlagUp);
    sender.Key(0x25, 0x4B, kKeyFlagExtended | kKeyFlagUp);  // the extended flag is not carried
    // A window of this thread gets sent messages at once, with no pumping.
    const auto got = g_received;
    ASSERT_EQ(got.size(), 3u);
    expectKeyMessage(got[0], WM_KEYDOWN, 0x41, 0x001E0001);
    expectKeyMessage(got[1], WM_KEYUP, 0x41, 0xC01E0001);
    expectKeyMessage(got[2], WM_KEYUP, 0x25, 0xC04B0001);
    EXPECT_TRUE(log.lines.empty());
}

TEST(SendMessageEventImpl, ReadsTheForegroundWindowAtEachKey) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    WindowHandle foreground = 0;
    SendMessageEventImpl sender(log, [&] { return foreground; });
    sender.Key(0x41, 0x1E, 0);
    foreground = InjectionTarget::instance().handle();
    sender.Key(0x41, 0x1E, kKeyFlagUp);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].message, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(log.messages(LogLevel::Error), std::vector<std::string>{kSendMessageError});
}

TEST(SendMessageEventImpl, LogsWhenThereIsNoWindowToSendTo) {
    ASSERT_WINDOW_IN_FRONT();
    // Hidden: under Wine on a display without a window manager, destroying
    // a shown window takes two seconds.
    const HWND gone = createTopLevelWindow(L"Vantorix closed window", 0);
    ASSERT_NE(gone, nullptr);
    ASSERT_TRUE(DestroyWindow(gone));

    RecordingLogger log;
    WindowHandle foreground = 0;
    SendMessageEventImpl sender(log, [&] { return foreground; });
    sender.Key(0x41, 0x1E, 0);
    foreground = reinterpret_cast<WindowHandle>(gone);
    sender.Key(0x41, 0x1E, kKeyFlagUp);

    EXPECT_TRUE(g_received.empty());
    ASSERT_EQ(log.lines.size(), 2u);
    for (const auto& line : log.lines) {
        EXPECT_EQ(line.level, LogLevel::Error);
        EXPECT_TRUE(line.text.starts_with(kSendMessageError + " (EventImpl_win#")) << line.text;
        EXPECT_EQ(withoutSourcePosition(line.text), kSendMessageError);
    }
}

// --- Mouse ----------------------------------------------------------------------

POINT cursor() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

// What a relative move becomes where the result is predictable: Wine applies
// the classic pointer acceleration of SPI_GETMOUSE (each axis doubled past
// the first threshold, doubled again past the second when the speed level is
// 2), and Windows with acceleration off and the middle pointer speed moves
// by exactly the distance asked. Other Windows settings scale by a curve.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-mouse_event
bool predictableMove(int dx, int dy, POINT& expected) {
    int mouse[3] = {};  // threshold 1, threshold 2, acceleration level
    int speed = 10;
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-systemparametersinfow
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0)) return false;
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
    auto accelerate = [&](int d) {
        if (mouse[2] >= 1 && std::abs(d) > mouse[0]) {
            d *= 2;
            if (mouse[2] >= 2 && std::abs(d) > mouse[1]) d *= 2;
        }
        return d;
    };
    if (runningUnderWine()) {
        expected = {accelerate(dx), accelerate(dy)};
        return true;
    }
    if (mouse[2] == 0 && speed == 10) {
        expected = {dx, dy};
        return true;
    }
    return false;
}

int sign(long v) { return (v > 0) - (v < 0); }

TEST(MouseEventBase, RelativeMoveMovesTheCursorByTheDistance) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    SendInputVKEventImpl sender(log);
    const std::pair<int, int> moves[] = {{1, 1}, {3, -2}, {6, -6}, {7, -7}, {-11, 12}, {30, 20}, {-7, 5}};
    for (const auto& [dx, dy] : moves) {
        SCOPED_TRACE(testing::Message() << "move " << dx << ", " << dy);
        SetCursorPos(300, 300);
        pumpFor(10);
        const POINT before = cursor();
        ASSERT_EQ(before.x, 300);
        ASSERT_EQ(before.y, 300);
        sender.MouseMoveRelative(dx, dy);
        pumpUntil([&] { const POINT p = cursor(); return p.x != before.x || p.y != before.y; }, 1000);
        pumpFor(10);
        const POINT after = cursor();
        POINT expected;
        if (predictableMove(dx, dy, expected)) {
            EXPECT_EQ(after.x - before.x, expected.x);
            EXPECT_EQ(after.y - before.y, expected.y);
        } else {
            EXPECT_EQ(sign(after.x - before.x), sign(dx));
            EXPECT_EQ(sign(after.y - before.y), sign(dy));
        }
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST(MouseEventBase, AbsoluteMoveScalesToThePrimaryDisplay) {
    ASSERT_WINDOW_IN_FRONT();
    RecordingLogger log;
    KeybdEventImpl sender(log);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // The off-centre point tells x from y.
    const std::pair<int, int> points[] = {{32768, 32768}, {16384, 49152}, {0, 0}};
    for (const auto& [x, y] : points) {
        SCOPED_TRACE(testing::Message() << "to " << x << ", " << y << " on " << width << " x " << height);
        SetCursorPos(5, 7);
        pumpFor(10);
        sender.MouseMoveAbsolute(x, y);
        const long wantX = static_cast<long>(static_cast<long long>(x) * width / 65536);
        const long wantY = static_cast<long>(static_cast<long long>(y) * height / 65536);
        pumpUntil([&] { const POINT p = cursor(); return std::abs(p.x - wantX) <= 1 && std::abs(p.y - wantY) <= 1; },
                  1000);
        const POINT after = cursor();
        EXPECT_LE(std::abs(after.x - wantX), 1) << after.x;
        EXPECT_LE(std::abs(after.y - wantY), 1) << after.y;
    }
}

TEST(MouseEventBase, EachButtonArrivesAsItsMessages) {
    ASSERT_WINDOW_IN_FRONT();
    InjectionTarget::instance().cursorToClientCentre();
    RecordingLogger log;
    SendInputSCEventImpl sender(log);
    //                 down   up     left   middle right  x1     x2
    sender.MouseButtons(false, false, true, true, true, true, true);  // neither down nor up: nothing
    sender.MouseButtons(true, false, false, false, false, false, false);  // no button: nothing
    sender.MouseButtons(true, true, true, false, false, false, false);  // down wins
    sender.MouseButtons(false, true, true, false, false, false, false);
    sender.MouseButtons(true, false, false, false, true, false, false);
    sender.MouseButtons(false, true, false, false, true, false, false);
    sender.MouseButtons(true, false, false, true, false, false, false);
    sender.MouseButtons(false, true, false, true, false, false, false);
    sender.MouseButtons(true, false, false, false, false, true, false);
    sender.MouseButtons(false, true, false, false, false, true, false);
    sender.MouseButtons(true, false, false, false, false, false, true);
    sender.MouseButtons(false, true, false, false, false, false, true);
    const auto got = receive(10);
    ASSERT_EQ(got.size(), 10u);
    const UINT expected[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN,
                             WM_MBUTTONUP,   WM_XBUTTONDOWN, WM_XBUTTONUP, WM_XBUTTONDOWN, WM_XBUTTONUP};
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(got[i].message, expected[i]) << i;
    EXPECT_EQ(GET_XBUTTON_WPARAM(got[6].wParam), XBUTTON1);
    EXPECT_EQ(GET_XBUTTON_WPARAM(got[7].wParam), XBUTTON1);
    EXPECT_EQ(GET_XBUTTON_WPARAM(got[8].wParam), XBUTTON2);
    EXPECT_EQ(GET_XBUTTON_WPARAM(got[9].wParam), XBUTTON2);
    EXPECT_TRUE(log.lines.empty());
}

TEST(MouseEventBase, ButtonsGivenTogetherAllArrive) {
    ASSERT_WINDOW_IN_FRONT();
    InjectionTarget::instance().cursorToClientCentre();
    RecordingLogger log;
    KeybdEventImpl sender(log);
    sender.MouseButtons(true, false, true, true, true, false, false);
    sender.MouseButtons(false, true, true, true, true, false, false);
    const auto got = receive(6);
    ASSERT_EQ(got.size(), 6u);
    // The system picks the order within one event; the downs come first.
    std::vector<UINT> downs, ups;
    for (size_t i = 0; i < 3; ++i) downs.push_back(got[i].message);
    for (size_t i = 3; i < 6; ++i) ups.push_back(got[i].message);
    std::sort(downs.begin(), downs.end());
    std::sort(ups.begin(), ups.end());
    EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}));
    EXPECT_EQ(ups, (std::vector<UINT>{WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}));
    EXPECT_EQ(got[2].wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), WPARAM{MK_LBUTTON | MK_RBUTTON | MK_MBUTTON});
}

TEST(MouseEventBase, WheelsCarryTheirSignedDelta) {
    ASSERT_WINDOW_IN_FRONT();
    InjectionTarget::instance().cursorToClientCentre();
    RecordingLogger log;
    SendMessageEventImpl sender(log, [] { return WindowHandle{0}; });  // mouse output ignores the mode
    sender.MouseWheel(120);
    sender.MouseWheel(-240);
    sender.MouseHWheel(-120);
    sender.MouseHWheel(360);
    const auto got = receive(4);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].message, static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[0].wParam), 120);
    EXPECT_EQ(got[1].message, static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[1].wParam), -240);
    EXPECT_EQ(got[2].message, static_cast<UINT>(WM_MOUSEHWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[2].wParam), -120);
    EXPECT_EQ(got[3].message, static_cast<UINT>(WM_MOUSEHWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[3].wParam), 360);
    EXPECT_TRUE(log.lines.empty());
}

}  // namespace
}  // namespace vrx
