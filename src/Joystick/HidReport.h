#pragma once

#include <array>
#include <cstdint>

#include "EngineTypes/SlotIndex.h"
#include "Joystick/HidApi.h"

namespace vrx {

// HID usages of the generic-desktop page that the back end reads.
namespace hid {
inline constexpr uint16_t kX = 0x30, kDial = 0x37, kHatSwitch = 0x39;
inline constexpr uint16_t kAccelerator = 0xC4, kBrake = 0xC5;
}  // namespace hid

// What a HID device's reports said last, in the engine's terms.
struct HidState {
    // By usage: X, Y, Z, Rx, Ry, Rz, slider, dial on -1000..1000; an
    // accelerator and a brake take the last two on 0..1000.
    std::array<int32_t, kAxisCount> axis{};
    int32_t pov = 0;  // 0 centred, 1 to 8 up, up-right, ... up-left
    std::array<uint8_t, kButtonCount> button{};  // 1 pressed, by usage from the first button usage
};

// The state index of an axis usage, or -1 for a usage that is no axis.
int hidAxisIndex(uint16_t usage);

// A raw value of bitSize bits as an axis position: the middle value is 0
// and the range -1000..999 (0..999 for the accelerator and the brake).
// Sizes other than 8, 10 and 16 read as 0.
int32_t scaleHidAxis(uint16_t usage, uint32_t value, uint16_t bitSize);

// A hat switch's raw value as 1 to 8, or 0 for centred: hats count their
// directions from their logical minimum, 0 or 1.
int32_t hidHatDirection(uint32_t value, int32_t logicalMin);

// Decodes every report of a raw-input message into state, in order. A
// message that announces more bytes than it holds is refused whole (false,
// state untouched); a field a report does not carry keeps its value.
bool decodeHidReports(const HidReportReader& reader, const HidRawReports& reports, HidState& state);

}  // namespace vrx
