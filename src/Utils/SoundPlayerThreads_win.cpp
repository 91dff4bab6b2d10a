#include <windows.h>

#include <atomic>
#include <cstdio>
#include <iterator>

#include "Utils/SoundPlayer.h"
#include "Utils/SystemErrorText_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

DWORD WINAPI threadMain(void* parameter) {
    const std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(parameter));
    (*body)();
    return 0;
}

// An auto-reset play event and a manual-reset stop event.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-msgwaitformultipleobjects
class WindowsSoundThreads final : public SoundPlayerThreads {
public:
    ~WindowsSoundThreads() override {
        for (HANDLE handle : {play_, stop_, thread_})
            if (handle) CloseHandle(handle);
    }

    bool createSignals() override {
        play_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        stop_ = play_ ? CreateEventW(nullptr, TRUE, FALSE, nullptr) : nullptr;
        if (stop_) return true;
        remember();
        if (play_) CloseHandle(play_);
        play_ = nullptr;
        return false;
    }

    bool startThread(std::function<void()> body) override {
        auto* parameter = new std::function<void()>(std::move(body));
        thread_ = CreateThread(nullptr, 0, threadMain, parameter, 0, nullptr);
        if (thread_) return true;
        remember();
        delete parameter;
        return false;
    }

    void signalPlay() override { SetEvent(play_); }
    void signalStop() override { SetEvent(stop_); }

    Wake waitForRequest() override {
        const HANDLE handles[] = {stop_, play_};
        for (;;) {
            const DWORD result = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_ALLINPUT);
            if (result == WAIT_OBJECT_0) return Wake::Stop;
            if (result == WAIT_OBJECT_0 + 1) return Wake::Play;
            if (result != WAIT_OBJECT_0 + 2) {
                remember();
                return Wake::Failed;
            }
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    // Only sent messages are let through: the caller's posted ones wait for
    // its own loop.
    End waitForEnd(std::chrono::milliseconds deadline) override {
        const DWORD start = GetTickCount();
        const auto limit = static_cast<DWORD>(deadline.count());
        for (;;) {
            const DWORD elapsed = GetTickCount() - start;
            if (elapsed >= limit) return End::TimedOut;
            const DWORD result = MsgWaitForMultipleObjects(1, &thread_, FALSE, limit - elapsed, QS_SENDMESSAGE);
            if (result == WAIT_OBJECT_0) return End::Ended;
            if (result == WAIT_OBJECT_0 + 1) {
                MSG message;
                PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            } else if (result != WAIT_TIMEOUT) {
                remember();
                return End::Failed;
            }
        }
    }

    std::string lastErrorText() const override { return systemErrorText(lastError_.load()); }

private:
    void remember() { lastError_.store(GetLastError()); }

    HANDLE play_ = nullptr;
    HANDLE stop_ = nullptr;
    HANDLE thread_ = nullptr;
    std::atomic<DWORD> lastError_{0};
};

}  // namespace

std::unique_ptr<SoundPlayerThreads> makeSoundPlayerThreads() { return std::make_unique<WindowsSoundThreads>(); }

}  // namespace vrx
