#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vrx::ui {

enum class BalloonIcon { None, Info, Warning, Error };

// The program's icon in the notification area. Its owner window's
// procedure calls handleMessage first: the icon's callback message becomes
// the events below, and the "TaskbarCreated" broadcast (Explorer restarted)
// adds the icon again.
class NotifyIcon {
public:
    NotifyIcon() = default;
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;
    ~NotifyIcon();

    bool add(HWND owner, UINT callbackMessage, HICON icon, std::string_view tip, UINT id = 1);
    void remove();
    bool added() const { return added_; }
    bool showBalloon(std::string_view title, std::string_view text, UINT timeoutMs,
                     BalloonIcon icon = BalloonIcon::Info);

    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void()> onRightClick;
    std::function<void()> onMouseDown;
    std::function<void()> onBalloonClick;

private:
    bool notify(DWORD action, UINT flags);

    HWND owner_ = nullptr;
    UINT id_ = 1;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool added_ = false;
};

}  // namespace vrx::ui
