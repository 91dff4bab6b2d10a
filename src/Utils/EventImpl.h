#pragma once

#include <cstdint>

namespace vrx {

// Keyboard-event flags as the platform defines them.
inline constexpr int kKeyFlagExtended = 0x1;
inline constexpr int kKeyFlagUp = 0x2;
inline constexpr int kKeyFlagScanCode = 0x8;

// One keyboard record of a multi-record injection.
struct ScanRecord {
    uint8_t scanCode;
    int flags;
};

// A way of putting key and mouse events into the system. The profile's key
// send mode chooses one per tick.
class AbstractEvent {
public:
    virtual ~AbstractEvent() = default;
    virtual void Key(uint8_t virtualKey, uint8_t scanCode, int flags) = 0;
    virtual void MouseMoveAbsolute(int x, int y) = 0;  // 0..65535 on the primary display
    virtual void MouseMoveRelative(int dx, int dy) = 0;
    virtual void MouseWheel(int delta) = 0;
    virtual void MouseHWheel(int delta) = 0;
    virtual void MouseButtons(bool down, bool up, bool left, bool middle, bool right, bool x1, bool x2) = 0;
    // Several scan-code records in one injection, whatever the key send mode:
    // some keys only exist as such a sequence.
    virtual void ScanInput(const ScanRecord* records, int count) = 0;
};

// The senders the key send modes 0 to 3 name.
class KeySenderSet {
public:
    virtual ~KeySenderSet() = default;
    // The sender of a key send mode, or null for a mode that names none.
    virtual AbstractEvent* senderFor(int keySendMode) = 0;
};

}  // namespace vrx
