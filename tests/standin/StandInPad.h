#pragma once

#include <windows.h>

// What the stand-in XInput library and the test that drives it share: the
// pads the library reports, and the motor commands it was given. It lives in
// a named file mapping that the test creates before it starts the program.
namespace vrx::standin {

inline constexpr wchar_t kMappingName[] = L"Local\\VantorixStandInXInput";
inline constexpr int kUsers = 4;
inline constexpr int kMaxRumbles = 64;

struct Pad {
    volatile LONG connected;
    volatile LONG packet;
    volatile WORD buttons;
    volatile BYTE leftTrigger, rightTrigger;
    volatile SHORT thumbLX, thumbLY, thumbRX, thumbRY;
    WORD vendorId, productId;
};

struct Rumble {
    WORD left, right;
};

struct Shared {
    Pad pads[kUsers];
    volatile LONG rumbleCount;  // commands recorded; the rest are dropped
    Rumble rumbles[kMaxRumbles];
};

}  // namespace vrx::standin
