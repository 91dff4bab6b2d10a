#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "Joystick/MessagePump.h"
#include "support/TimerParts.h"

namespace vrx::test {
namespace {

constexpr UINT kPing = WM_APP + 1;

// A message-only window of the test thread that counts the pings it gets;
// it stands for the main window that the message key sender talks to.
class PingWindow {
public:
    PingWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &PingWindow::proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VantorixTimerTestPing";
        RegisterClassW(&wc);  // fails harmlessly when a former test registered it
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~PingWindow() { DestroyWindow(hwnd_); }
    PingWindow(const PingWindow&) = delete;
    PingWindow& operator=(const PingWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    std::atomic<int> pings{0};
    std::function<void()> onPing;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kPing) {
            auto* self = reinterpret_cast<PingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            ++self->pings;
            if (self->onPing) self->onPing();
            return 1;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

// A tick that sends to a window of the thread stopping the timer can only end
// if that thread answers while it waits. The send gives up after a few
// seconds, so a wait that does not answer fails the test instead of hanging.
TEST(ProcessingTimerWindows, TerminateAnswersWhatTheTickSendsToTheUserInterface) {
    TimerFixture f;
    PingWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    Signal inTick;
    std::atomic<bool> first{true};
    std::atomic<LRESULT> answer{0};
    f.e.devices.onPoll = [&] {
        if (!first.exchange(false)) return;
        inTick.raise();
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window.hwnd(), kPing, 0, 0, SMTO_NORMAL, 5000, &result)) answer = result;
    };
    f.timer.TimerInit(kTurbo1ms);
    inTick.wait();

    f.timer.TimerTerminate();
    EXPECT_EQ(window.pings, 1);
    EXPECT_EQ(answer, 1);
}

TEST(ProcessingTimerWindows, LockWaitHandlesPostedMessagesAndLeavesTheQuitRequest) {
    SharedLog log;
    EngineMutex mutex(log, processPendingMessages);
    PingWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    Signal held, release;
    window.onPing = [&] { release.raise(); };
    std::thread tick([&] {
        mutex.enter();
        held.raise();
        // Gives up after a while, so a broken pump fails rather than hangs.
        release.waitFor(std::chrono::seconds(5));
        mutex.leave();
    });
    held.wait();
    PostMessageW(window.hwnd(), kPing, 0, 0);
    PostQuitMessage(7);

    mutex.enter();
    mutex.leave();
    tick.join();
    EXPECT_EQ(window.pings, 1);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

TEST(ProcessingTimerWindows, StartsAndStopsWithoutLeakingHandles) {
    TimerFixture f(false);
    f.timer.TimerInit(kTurbo1ms);
    f.timer.TimerTerminate();
    DWORD before = 0, after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    // Wine answers 0 whatever the process holds.
    if (before == 0) GTEST_SKIP() << "this system does not count a process's handles";
    for (int i = 0; i < 500; ++i) {
        f.timer.TimerInit(kTurbo1ms);
        f.timer.TimerTerminate();
    }
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_LE(after, before + 2);
}

}  // namespace
}  // namespace vrx::test
