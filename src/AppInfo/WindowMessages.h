#pragma once

#include <cstdint>

namespace vrx {

// The messages the main window and its device dialog answer, by number.
namespace wm {
inline constexpr uint32_t kQueryEndSession = 0x0011;
inline constexpr uint32_t kCopyData = 0x004A;
inline constexpr uint32_t kPowerBroadcast = 0x0218;
inline constexpr uint32_t kInputDeviceChange = 0x00FE;
inline constexpr uint32_t kInput = 0x00FF;
inline constexpr uint32_t kApp = 0x8000;
inline constexpr uint32_t kVrxRestore = kApp + 101;
inline constexpr uint32_t kVrxProfileSwitched = kApp + 201;
inline constexpr uint32_t kVrxRefreshHighlight = kApp + 202;
// To the device dialog: an axis moved while it is in front.
inline constexpr uint32_t kVrxRedrawDeviceDialog = kApp + 203;
inline constexpr uint32_t kVrxUpdateJoysticks = kApp + 204;
inline constexpr uint32_t kVrxVirtualAttach = kApp + 1000;
inline constexpr uint32_t kVrxVirtualRelease = kApp + 1010;
inline constexpr uint32_t kVrxVirtualPress = kApp + 1011;
inline constexpr uint32_t kVrxSwitchFile = kApp + 1020;
inline constexpr uint32_t kVrxShow = kApp + 1021;
inline constexpr uint32_t kVrxMinimize = kApp + 1022;
inline constexpr uint32_t kVrxRefreshDevices = kApp + 1023;
}  // namespace wm

}  // namespace vrx
