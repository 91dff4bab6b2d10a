#include "Joybutton/ScanCodes.h"

#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

struct FixedScan {
    KeyCode code;
    uint32_t scan;
};

constexpr FixedScan kFixedScans[] = {
    {0x12, 0x15D}, {0x13, 0x145}, {0x5B, 0x15B}, {0x5C, 0x15C}, {0xA0, 0x2A},  {0xA1, 0x36},
    {0xA2, 0x1D},  {0xA3, 0x11D}, {0xA4, 0x38},  {0xA5, 0x138}, {0xAD, 0x120}, {0xAE, 0x12E},
    {0xAF, 0x130}, {0xB0, 0x119}, {0xB1, 0x110}, {0xB2, 0x124}, {0xB3, 0x122},
};

// Keys that share their scan code with a numeric-pad key and are told apart
// only by the extended flag.
bool isExtendedVirtualKey(KeyCode code) {
    return code == 0x03 || (code >= 0x21 && code <= 0x28) || code == 0x2C || code == 0x2D || code == 0x2E ||
           code == 0x6F || code == 0x90;
}

}  // namespace

uint32_t scanCodeFor(KeyCode code, const KeyboardLayout& layout) {
    if (code == 0 || code > 0xFF) return keyClass(code) != 0 ? 0 : code >> 16;
    for (const auto& fixed : kFixedScans)
        if (fixed.code == code) return fixed.scan;
    const uint32_t scan = layout.virtualKeyToScanCode(code);
    return isExtendedVirtualKey(code) ? (scan | kExtendedScanBit) : scan;
}

}  // namespace vrx
