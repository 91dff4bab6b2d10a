#pragma once

#include <cstdint>

namespace vrx {

// The system's keyboard layout, as far as the engine needs it: which scan
// code a virtual key sits on.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The scan code of virtual key vk (1 to 255), 0 when it has none.
    virtual uint32_t virtualKeyToScanCode(uint32_t vk) const = 0;
};

// The layout of the running system; in the portable build a US keyboard.
const KeyboardLayout& systemKeyboardLayout();

// A US 101/102-key keyboard, whatever the system says.
const KeyboardLayout& usKeyboardLayout();

}  // namespace vrx
