#pragma once

#include <cstdint>

namespace vrx {

// The most recent key-down or system-key-down message anywhere in the
// program's user-interface thread: what the key boxes capture, with the
// details that the message's virtual-key code alone loses (which Shift,
// Ctrl or Enter it was).
struct LastKeyDown {
    int virtualKey = 0;
    int scanCode = 0;       // bits 16-23 of the message's key data
    bool extended = false;  // bit 24

    // From a key-down message's wParam and lParam.
    static LastKeyDown fromMessage(uintptr_t wParam, intptr_t lParam) {
        const auto data = static_cast<uint32_t>(lParam);
        return {static_cast<int>(wParam & 0xFFFF), static_cast<int>((data >> 16) & 0xFF), ((data >> 24) & 1) != 0};
    }
};

}  // namespace vrx
