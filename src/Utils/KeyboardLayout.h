#pragma once

#include <cstdint>

namespace vrx {

// The system's keyboard layout, as far as the program needs it: which scan
// code a virtual key sits on, and which character it types, so that key
// names follow the keyboard the user actually has.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The scan code of virtual key vk (1 to 255), 0 when it has none.
    virtual uint32_t virtualKeyToScanCode(uint32_t vk) const = 0;
    // The character virtual key vk (1 to 255) types without modifiers, 0 when
    // it types none. Letters come as capitals; a dead key gives the accent it
    // puts on the next letter. Control characters (Enter, Tab) are returned
    // as they are; deciding whether they make a name is the caller's part.
    virtual char32_t virtualKeyToChar(uint32_t vk) const = 0;
};

// The layout of the running system; in the portable build a US keyboard.
const KeyboardLayout& systemKeyboardLayout();

// A US 101/102-key keyboard, whatever the system says.
const KeyboardLayout& usKeyboardLayout();

}  // namespace vrx
