#include <windows.h>

#include "Utils/PathText.h"
#include "Utils/WideText_win.h"
#include "Utils/WindowExePath.h"
#include "Utils/WindowInfo_win.h"

namespace vrx {
namespace {

// Longer titles are cut; the application link matches on parts of them.
constexpr int kTitleCapacity = 2048;

bool ownedByThisProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId == GetCurrentProcessId();
}

}  // namespace

// GetWindowTextW sends WM_GETTEXT to a window of this process and waits
// until its thread answers: the timer thread would wait for the user
// interface, which it never must. InternalGetWindowText reads the same text
// without a message.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getwindowtextw
std::string SystemWindowInfo::windowTitle(WindowHandle window) const {
    const HWND hwnd = reinterpret_cast<HWND>(window);
    if (!hwnd) return {};
    wchar_t title[kTitleCapacity];
    const int length = ownedByThisProcess(hwnd) ? InternalGetWindowText(hwnd, title, kTitleCapacity)
                                                : GetWindowTextW(hwnd, title, kTitleCapacity);
    return length > 0 ? toUtf8(std::wstring_view(title, static_cast<size_t>(length))) : std::string();
}

std::string SystemWindowInfo::executablePath(WindowHandle window) const {
    return pathToUtf8(GetWindowExePath(window, log_));
}

}  // namespace vrx
