#pragma once

#include <windows.h>

#include <atomic>

#include "Dialogs/LastKeyDown.h"

namespace vrx {

// The hooks the main window installs for its thread and process: one that
// keeps the last key-down message, whichever window it went to, and one
// that follows whether a menu of the program is open (the engine and the
// style change wait for it to close). One instance at a time.
class UiThreadHooks {
public:
    UiThreadHooks();
    UiThreadHooks(const UiThreadHooks&) = delete;
    UiThreadHooks& operator=(const UiThreadHooks&) = delete;
    ~UiThreadHooks();

    // Installs the key-down hook (first thing at the window's creation).
    void installKeyHook();
    // Installs the menu event hook; COM is set up by the caller before.
    void installMenuHook();
    void removeMenuHook();

    LastKeyDown lastKeyDown() const { return lastKeyDown_; }
    // Read on the timer thread, without a lock.
    bool menuOpen() const { return menuOpen_.load(std::memory_order_relaxed); }

private:
    static LRESULT CALLBACK keyProcedure(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK menuEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                   DWORD thread, DWORD time);

    HHOOK keyHook_ = nullptr;
    HWINEVENTHOOK menuHook_ = nullptr;
    LastKeyDown lastKeyDown_;
    std::atomic<bool> menuOpen_{false};
};

}  // namespace vrx
