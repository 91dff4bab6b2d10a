#include "Main/UiThreadHooks_win.h"

namespace vrx {
namespace {

// The hook procedures have no parameter of their own to find the object by.
UiThreadHooks* g_hooks = nullptr;

}  // namespace

UiThreadHooks::UiThreadHooks() { g_hooks = this; }

UiThreadHooks::~UiThreadHooks() {
    removeMenuHook();
    if (keyHook_) UnhookWindowsHookEx(keyHook_);
    g_hooks = nullptr;
}

void UiThreadHooks::installKeyHook() {
    if (!keyHook_) keyHook_ = SetWindowsHookExW(WH_GETMESSAGE, keyProcedure, nullptr, GetCurrentThreadId());
}

void UiThreadHooks::installMenuHook() {
    if (!menuHook_)
        menuHook_ = SetWinEventHook(EVENT_SYSTEM_MENUSTART, EVENT_SYSTEM_MENUEND, nullptr, menuEvent,
                                    GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
}

void UiThreadHooks::removeMenuHook() {
    if (menuHook_) UnhookWinEvent(menuHook_);
    menuHook_ = nullptr;
    menuOpen_.store(false);
}

// https://learn.microsoft.com/windows/win32/winmsg/getmsgproc
// A message is seen once as it is taken from the queue (PM_REMOVE); a peek
// that leaves it there would count it twice.
LRESULT CALLBACK UiThreadHooks::keyProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && g_hooks) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)
            g_hooks->lastKeyDown_ = LastKeyDown::fromMessage(message.wParam, message.lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK UiThreadHooks::menuEvent(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
    if (g_hooks) g_hooks->menuOpen_.store(event == EVENT_SYSTEM_MENUSTART, std::memory_order_relaxed);
}

}  // namespace vrx
