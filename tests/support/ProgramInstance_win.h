#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "Utils/WideText_win.h"

namespace vrx::test {

inline std::wstring windowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

// A path the build knows; a Linux path under Wine is reached through Wine's
// drive for the root.
inline std::wstring windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    return toWide(path);
}

inline bool waitFor(const std::function<bool()>& condition, int seconds = 30) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

// A program started as a user would start it; ended by force if a test
// leaves it running.
class ProgramInstance {
public:
    ProgramInstance(const std::wstring& program, const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + program + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_);
        if (started_) CloseHandle(process_.hThread);
    }
    ~ProgramInstance() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hProcess);
    }
    ProgramInstance(const ProgramInstance&) = delete;
    ProgramInstance& operator=(const ProgramInstance&) = delete;

    bool started() const { return started_; }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit code once the process has ended within the time, else -1.
    int exitCode(int seconds = 30) const {
        if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(seconds) * 1000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

}  // namespace vrx::test
