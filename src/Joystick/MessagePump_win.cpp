#include <windows.h>

#include "Joystick/MessagePump.h"

namespace vrx {

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-peekmessagew
void processPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The quit request belongs to the main message loop; leave it for
        // that loop to see rather than swallowing it here.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vrx
