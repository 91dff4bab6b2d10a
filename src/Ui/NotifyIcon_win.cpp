#include "Ui/NotifyIcon_win.h"

#include <shellapi.h>

#include <cwchar>

#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

// Broadcast to every top-level window when the taskbar is created again
// (Explorer restarted): icons added before are gone.
UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

template <size_t N>
void copyInto(wchar_t (&target)[N], std::wstring_view text) {
    const size_t length = text.size() < N - 1 ? text.size() : N - 1;
    wmemcpy(target, text.data(), length);
    target[length] = L'\0';
}

}  // namespace

NotifyIcon::~NotifyIcon() { remove(); }

bool NotifyIcon::notify(DWORD action, UINT flags) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    copyInto(data.szTip, tip_);
    return Shell_NotifyIconW(action, &data) != FALSE;
}

bool NotifyIcon::add(HWND owner, UINT callbackMessage, HICON icon, std::string_view tip, UINT id) {
    remove();
    owner_ = owner;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    tip_ = toWide(tip);
    id_ = id;
    taskbarCreatedMessage();
    added_ = notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return added_;
}

void NotifyIcon::remove() {
    if (added_) notify(NIM_DELETE, 0);
    added_ = false;
}

bool NotifyIcon::showBalloon(std::string_view title, std::string_view text, UINT timeoutMs, BalloonIcon icon) {
    if (!added_) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = NIF_INFO;
    copyInto(data.szInfoTitle, toWide(title));
    copyInto(data.szInfo, toWide(text));
    // Ignored from Vista on (the system's accessibility setting decides),
    // still honoured by older shells and by Wine.
    data.uTimeout = timeoutMs;
    data.dwInfoFlags = icon == BalloonIcon::Info      ? NIIF_INFO
                       : icon == BalloonIcon::Warning ? NIIF_WARNING
                       : icon == BalloonIcon::Error   ? NIIF_ERROR
                                                      : NIIF_NONE;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool NotifyIcon::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage() && message != 0) {
        if (added_) added_ = notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
        return false;  // other owners may want to hear it too
    }
    if (message != callbackMessage_ || callbackMessage_ == 0 || static_cast<UINT>(wParam) != id_) return false;
    auto call = [](const std::function<void()>& event) {
        if (event) event();
    };
    // Without NOTIFYICON_VERSION_4 the mouse message is lParam itself.
    switch (static_cast<UINT>(lParam)) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            call(onMouseDown);
            break;
        case WM_LBUTTONUP: call(onClick); break;
        case WM_LBUTTONDBLCLK: call(onDoubleClick); break;
        case WM_RBUTTONUP: call(onRightClick); break;
        case NIN_BALLOONUSERCLICK: call(onBalloonClick); break;
        default: break;
    }
    return true;
}

}  // namespace vrx::ui
