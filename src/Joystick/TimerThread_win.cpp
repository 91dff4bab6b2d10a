#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "Joystick/TimerThread.h"
#include "Utils/Logger.h"
#include "Utils/SystemErrorText_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

// Not every MinGW header set names these yet.
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD kTimerAllAccess = 0x1F0003;         // TIMER_ALL_ACCESS

class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (handle_) CloseHandle(handle_);
    }

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// The system's reason first, then what failed, as every failure of the timer
// is logged.
void logLastError(Logger& log, const char* what, SourcePosition where = SourcePosition::here()) {
    log.errorAt(systemErrorText(GetLastError()), where);
    log.errorAt(what, where);
}

// Windows 11 lowers the timer resolution of a process whose windows are all
// hidden, which is how Vantorix spends most of its life (in the notification
// area); this opts out. Older systems do not know the setting, and nothing
// depends on it taking effect.
// https://learn.microsoft.com/windows/win32/api/processthreadsapi/nf-processthreadsapi-setprocessinformation
void keepTimerResolutionWhenHidden() {
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;
    SetProcessInformation(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
}

struct Timer {
    Handle handle;
    bool highResolution = false;
};

// https://learn.microsoft.com/windows/win32/api/synchapi/nf-synchapi-createwaitabletimerexw
Timer createTimer(Logger& log) {
    Timer timer{Handle(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, kTimerAllAccess)), true};
    if (timer.handle) return timer;
    logLastError(log, "TimerInit: CreateWaitableTimerEx ERROR");
    timer = Timer{Handle(CreateWaitableTimerW(nullptr, FALSE, nullptr)), false};
    if (!timer.handle) logLastError(log, "TimerInit: CreateWaitableTimer ERROR - giving up");
    return timer;
}

bool setPeriodic(const Handle& timer, int periodMs) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(periodMs) * 10000;  // relative, in 100 ns units
    return SetWaitableTimer(timer.get(), &due, periodMs, nullptr, nullptr, FALSE) != 0;
}

// Some Windows 10 builds create a high-resolution timer but refuse to make it
// periodic (ERROR_INVALID_PARAMETER); an ordinary timer keeps the program
// processing, only less precisely.
bool setTimer(Timer& timer, int periodMs, Logger& log) {
    if (setPeriodic(timer.handle, periodMs)) return true;
    if (timer.highResolution && GetLastError() == ERROR_INVALID_PARAMETER) {
        logLastError(log, "TimerInit: High-resolution timer refused the period - using an ordinary timer");
        timer = Timer{Handle(CreateWaitableTimerW(nullptr, FALSE, nullptr)), false};
        if (!timer.handle) {
            logLastError(log, "TimerInit: CreateWaitableTimer ERROR - giving up");
            return false;
        }
        if (setPeriodic(timer.handle, periodMs)) return true;
    }
    logLastError(log, "TimerInit: Failed to set waitable timer");
    return false;
}

// Answers messages that other threads send to this thread's windows; a tick
// that sends one (the message key sender) cannot end until they are answered.
// PeekMessageW handles every pending sent message itself before it looks at
// the queue; PM_NOREMOVE leaves posted ones for the message loop.
void dispatchSentMessages() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

class WindowsTimerThread final : public TimerThread {
public:
    WindowsTimerThread(Handle timer, Handle exitEvent, std::function<void()> onTick, Logger& log)
        : timer_(std::move(timer)), exitEvent_(std::move(exitEvent)), onTick_(std::move(onTick)), log_(log) {}

    ~WindowsTimerThread() override {
        requestExit();
        waitForExit();
    }

    // https://learn.microsoft.com/windows/win32/api/processthreadsapi/nf-processthreadsapi-createthread
    bool start() {
        thread_ = Handle(CreateThread(nullptr, 0, &WindowsTimerThread::threadProc, this, 0, nullptr));
        return static_cast<bool>(thread_);
    }

    void requestExit() override {
        SetEvent(exitEvent_.get());
        CancelWaitableTimer(timer_.get());
    }

    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-msgwaitformultipleobjects
    void waitForExit() override {
        if (!thread_) return;
        const DWORD started = GetTickCount();
        bool reported = false;
        for (;;) {
            const HANDLE thread = thread_.get();
            const DWORD result = MsgWaitForMultipleObjects(1, &thread, FALSE, 1000, QS_SENDMESSAGE);
            if (result == WAIT_OBJECT_0) break;
            // After a time-out too: the wake-up reports only messages that
            // arrived since this thread last looked at its queue, and a
            // message left unanswered would keep the tick from ever ending.
            if (result == WAIT_OBJECT_0 + 1 || result == WAIT_TIMEOUT) {
                dispatchSentMessages();
            } else if (result == WAIT_FAILED) {
                if (!reported) {
                    logLastError(log_, "TimerTerminate: Waiting for timer thread after wait error");
                    reported = true;
                }
                Sleep(10);
            }
            // Freeing the timer under a running thread would crash it, so
            // this never gives up; a line in the log says why exit hangs.
            if (!reported && GetTickCount() - started >= 1000) {
                log_.errorAt("TimerTerminate: Timer thread is still running; waiting before cleanup");
                reported = true;
            }
        }
        thread_ = Handle();
    }

private:
    static DWORD WINAPI threadProc(void* self) {
        static_cast<WindowsTimerThread*>(self)->run();
        return 0;
    }

    // The exit event comes first in the list: when both are signalled, the
    // exit wins and no further tick starts.
    void run() {
        const HANDLE handles[] = {exitEvent_.get(), timer_.get()};
        while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) onTick_();
    }

    Handle timer_;
    Handle exitEvent_;
    Handle thread_;
    std::function<void()> onTick_;
    Logger& log_;
};

}  // namespace

std::unique_ptr<TimerThread> startTimerThread(int periodMs, std::function<void()> onTick, Logger& log) {
    keepTimerResolutionWhenHidden();
    Timer timer = createTimer(log);
    if (!timer.handle || !setTimer(timer, periodMs, log)) return nullptr;
    // https://learn.microsoft.com/windows/win32/api/synchapi/nf-synchapi-createeventw
    Handle exitEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!exitEvent) {
        logLastError(log, "TimerInit: Failed to create exit event");
        return nullptr;
    }
    auto thread =
        std::make_unique<WindowsTimerThread>(std::move(timer.handle), std::move(exitEvent), std::move(onTick), log);
    if (!thread->start()) {
        logLastError(log, "TimerInit: Failed to create timer thread");
        return nullptr;
    }
    return thread;
}

}  // namespace vrx
