#include <windows.h>

#include <string>

#include "Utils/Logger.h"
#include "Utils/WideText_win.h"
#include "Utils/WindowExePath.h"

namespace vrx {
namespace {

// The system's own words for the last error, without the line break it ends them with.
std::string lastErrorText() {
    const DWORD error = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : toUtf8(message);
}

class ProcessHandle {
public:
    explicit ProcessHandle(HANDLE handle) : handle_(handle) {}
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    ~ProcessHandle() {
        if (handle_) CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Paths may be longer than MAX_PATH where long paths are enabled; the
// buffer grows up to the longest path the system has.
// https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-queryfullprocessimagenamew
bool queryImageName(HANDLE process, std::wstring& path) {
    for (DWORD capacity = 2048;; capacity *= 2) {
        path.resize(capacity);
        DWORD length = capacity;
        if (QueryFullProcessImageNameW(process, 0, path.data(), &length)) {
            path.resize(length);
            return length != 0;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || capacity >= 32768) return false;
    }
}

}  // namespace

std::filesystem::path GetWindowExePath(uintptr_t window, Logger& log) {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    if (!hwnd) return {};
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    const ProcessHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::wstring path;
    if (process.get() && queryImageName(process.get(), path)) return std::filesystem::path(path);
    // Read before the first line is written: writing the log may change it.
    const std::string reason = lastErrorText();
    log.errorAt(process.get() ? "Failed to obtain the target window filename"
                              : "Failed to obtain the target window handle");
    log.errorAt(reason);
    return {};
}

}  // namespace vrx
