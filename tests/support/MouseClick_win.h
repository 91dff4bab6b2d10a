#pragma once

#include <windows.h>

namespace vrx::test {

// A left click as the user makes it, at a point of a window's client area.
// The messages it causes arrive when the caller pumps.
inline void leftClickAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

}  // namespace vrx::test
