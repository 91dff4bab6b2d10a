#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "Utils/EventImpl.h"
#include "Utils/WindowHandle.h"

namespace vrx {

class Logger;

// The mouse half of every Windows sender. Mouse output goes through the
// legacy mouse_event call in every key send mode, so that switching the
// mode changes how keys arrive and nothing else.
class MouseEventBase : public AbstractEvent {
public:
    // The most records one ScanInput call injects; the longest key that
    // needs a sequence (Pause, Alternative) has six.
    static constexpr int kMaxScanRecords = 16;

    explicit MouseEventBase(Logger& log) : log_(log) {}

    void MouseMoveAbsolute(int x, int y) override;
    void MouseMoveRelative(int dx, int dy) override;
    void MouseWheel(int delta) override;
    void MouseHWheel(int delta) override;
    void MouseButtons(bool down, bool up, bool left, bool middle, bool right, bool x1, bool x2) override;
    void ScanInput(const ScanRecord* records, int count) override;

protected:
    Logger& log_;
};

// Mode 0: keybd_event.
class KeybdEventImpl final : public MouseEventBase {
public:
    using MouseEventBase::MouseEventBase;
    void Key(uint8_t virtualKey, uint8_t scanCode, int flags) override;
};

// Mode 1: SendInput with the virtual key as the key's identity.
class SendInputVKEventImpl final : public MouseEventBase {
public:
    using MouseEventBase::MouseEventBase;
    void Key(uint8_t virtualKey, uint8_t scanCode, int flags) override;
};

// Mode 2: SendInput with the scan code as the key's identity, for programs
// that read the keyboard below the virtual-key layer.
class SendInputSCEventImpl final : public MouseEventBase {
public:
    using MouseEventBase::MouseEventBase;
    void Key(uint8_t virtualKey, uint8_t scanCode, int flags) override;
};

// Mode 3: WM_KEYDOWN / WM_KEYUP sent straight to the foreground window, for
// programs that take no injected input but do read their message queue.
class SendMessageEventImpl final : public MouseEventBase {
public:
    // foreground answers the window the tick found in front (the engine's
    // record of it, not the system's window of the moment): keys go where
    // the tick decided they go. 0 when there is none.
    SendMessageEventImpl(Logger& log, std::function<WindowHandle()> foreground)
        : MouseEventBase(log), foreground_(std::move(foreground)) {}
    void Key(uint8_t virtualKey, uint8_t scanCode, int flags) override;

private:
    std::function<WindowHandle()> foreground_;
};

// The four senders of key send modes 0 to 3, built once for the whole run.
class WindowsKeySenders final : public KeySenderSet {
public:
    WindowsKeySenders(Logger& log, std::function<WindowHandle()> foreground);
    AbstractEvent* senderFor(int keySendMode) override;

private:
    KeybdEventImpl keybdEvent_;
    SendInputVKEventImpl sendInputVK_;
    SendInputSCEventImpl sendInputSC_;
    SendMessageEventImpl sendMessage_;
};

}  // namespace vrx
