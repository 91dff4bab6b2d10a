#include <windows.h>

#include "Utils/EventImpl_win.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

INPUT keyboardRecord(WORD virtualKey, WORD scanCode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    input.ki.time = 0;
    input.ki.dwExtraInfo = 0;
    return input;
}

// SendInput refuses the whole batch or part of it when another desktop has
// the input (a UAC prompt, the lock screen) or a higher-integrity window is in
// front; the log is the only place that shows why keys went missing.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-sendinput
void inject(Logger& log, INPUT* inputs, int count) {
    const UINT injected = SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
    if (injected < static_cast<UINT>(count))
        log.errorf("SendInput: injected %u of %d events (error %lu)", injected, count, GetLastError());
}

// mouse_event takes signed distances and wheel deltas in DWORD parameters;
// the call reads them back as signed.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-mouse_event
void mouseEvent(DWORD flags, int dx, int dy, int data) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data), 0);
}

}  // namespace

void MouseEventBase::MouseMoveAbsolute(int x, int y) { mouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y, 0); }

void MouseEventBase::MouseMoveRelative(int dx, int dy) { mouseEvent(MOUSEEVENTF_MOVE, dx, dy, 0); }

void MouseEventBase::MouseWheel(int delta) { mouseEvent(MOUSEEVENTF_WHEEL, 0, 0, delta); }

void MouseEventBase::MouseHWheel(int delta) { mouseEvent(MOUSEEVENTF_HWHEEL, 0, 0, delta); }

void MouseEventBase::MouseButtons(bool down, bool up, bool left, bool middle, bool right, bool x1, bool x2) {
    struct ButtonBits {
        DWORD left, right, middle, x;
    };
    static constexpr ButtonBits kDown{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN,
                                      MOUSEEVENTF_XDOWN};
    static constexpr ButtonBits kUp{MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_XUP};
    if (!down && !up) return;
    const ButtonBits& bits = down ? kDown : kUp;
    DWORD flags = 0;
    if (left) flags |= bits.left;
    if (right) flags |= bits.right;
    if (middle) flags |= bits.middle;
    if (x1 || x2) flags |= bits.x;
    if (flags == 0) return;
    // Both side buttons can go in one event: mouseData names which.
    const int which = (x1 ? XBUTTON1 : 0) | (x2 ? XBUTTON2 : 0);
    mouseEvent(flags, 0, 0, which);
}

void MouseEventBase::ScanInput(const ScanRecord* records, int count) {
    if (count <= 0) return;
    if (count > kMaxScanRecords) {
        log_.errorf("ScanInput: %d records is more than the %d one injection takes; none sent", count,
                    kMaxScanRecords);
        return;
    }
    // One call for the whole sequence, so that no other input can land
    // between its records; on the stack, because the tick allocates nothing.
    INPUT inputs[kMaxScanRecords];
    for (int i = 0; i < count; ++i)
        inputs[i] = keyboardRecord(0, records[i].scanCode, static_cast<DWORD>(records[i].flags));
    inject(log_, inputs, count);
}

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-keybd_event
void KeybdEventImpl::Key(uint8_t virtualKey, uint8_t scanCode, int flags) {
    keybd_event(virtualKey, scanCode, static_cast<DWORD>(flags), 0);
}

void SendInputVKEventImpl::Key(uint8_t virtualKey, uint8_t scanCode, int flags) {
    INPUT input = keyboardRecord(virtualKey, scanCode, static_cast<DWORD>(flags));
    inject(log_, &input, 1);
}

// The virtual key stays filled in: Windows ignores it once the record is
// marked as a scan code, and it costs nothing to keep.
void SendInputSCEventImpl::Key(uint8_t virtualKey, uint8_t scanCode, int flags) {
    INPUT input = keyboardRecord(virtualKey, scanCode, static_cast<DWORD>(flags) | KEYEVENTF_SCANCODE);
    inject(log_, &input, 1);
}

// The message carries what a real key would put in lParam: repeat count 1 and
// the scan code, plus for a release the previous-state and transition bits.
// https://learn.microsoft.com/windows/win32/inputdev/wm-keydown
// https://learn.microsoft.com/windows/win32/inputdev/wm-keyup
// A window that stops answering must not stall the tick for longer than a
// second, so the send gives up on a hung window and after 1000 ms.
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-sendmessagetimeoutw
void SendMessageEventImpl::Key(uint8_t virtualKey, uint8_t scanCode, int flags) {
    const bool release = (flags & kKeyFlagUp) != 0;
    const UINT message = release ? WM_KEYUP : WM_KEYDOWN;
    const uint32_t lParam = (static_cast<uint32_t>(scanCode) << 16) + (release ? 0xC0000001u : 0x00000001u);
    const HWND window = reinterpret_cast<HWND>(foreground_ ? foreground_() : 0);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, virtualKey, static_cast<LPARAM>(lParam), SMTO_ABORTIFHUNG, 1000,
                             &result))
        log_.errorAt("SendMessageEventImpl: SendMessageTimeout failed or timed out");
}

WindowsKeySenders::WindowsKeySenders(Logger& log, std::function<WindowHandle()> foreground)
    : keybdEvent_(log), sendInputVK_(log), sendInputSC_(log), sendMessage_(log, std::move(foreground)) {}

AbstractEvent* WindowsKeySenders::senderFor(int keySendMode) {
    switch (keySendMode) {
        case 0: return &keybdEvent_;
        case 1: return &sendInputVK_;
        case 2: return &sendInputSC_;
        case 3: return &sendMessage_;
        default: return nullptr;
    }
}

}  // namespace vrx
