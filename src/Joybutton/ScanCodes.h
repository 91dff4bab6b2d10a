#pragma once

#include <cstdint>

#include "Joybutton/KeyCode.h"

namespace vrx {

class KeyboardLayout;

// Bit 8 of a derived scan code marks an extended key.
inline constexpr uint32_t kExtendedScanBit = 0x100;

// The scan code sent with a key code: fixed for the modifiers, Windows and
// media keys (so left and right variants stay apart whatever the layout
// says), the layout's own for other virtual keys, and the stored one for raw
// scan-code keys.
uint32_t scanCodeFor(KeyCode code, const KeyboardLayout& layout);

}  // namespace vrx
