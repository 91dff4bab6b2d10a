#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "DeviceConfig/DeviceDefaults.h"

namespace vrx {

class TDeviceTemplate;

// The back end that reads a device (TDeviceConfig::Api).
inline constexpr int kApiXInput = 0;
inline constexpr int kApiDirectInput = 1;
inline constexpr int kApiHid = 2;

// The back end an identity string belongs to, told by its length alone: an
// XInput pad's "%08lX-%d" has 10 characters, a DirectInput instance GUID in
// braces 38, and anything else is taken for a HID device path. A record read
// from the file keeps this guess until detection sets the real back end
// (an "XInput-0" record counts as HID until then).
int apiOfIdentity(std::string_view identity);

// Whether a back end is in use in an input API mode (XInputSupport 0 to 4):
// HID in 3 and 4, XInput in 1, 2 and 4, DirectInput in 0, 2 and 4.
bool apiInUse(int api, int apiMode);

// A stick entry (0 to 3: stick 1 X and Y, stick 2 X and Y) takes a source
// axis, and the engine's axes 5 to 8 receive the source axes the sticks do
// not use, lowest first; when two stick entries share a source axis, the
// lowest unused ones fill the rest.
void setStickAxis(AxisMapping& mapping, int entry, int sourceAxis);

// The record of one controller ever detected: the settings the user gave it,
// kept in Vantorix.ini, and what the latest detection found out about it.
// Owned by DeviceConfigManager. The field names are those of the ini keys and
// of the device dialog's texts, so they break the usual naming on purpose.
class TDeviceConfig {
public:
    TDeviceConfig(std::string identity, const DeviceDefaults& defaults);
    virtual ~TDeviceConfig() = default;

    // NameOverride when the user gave one, else the name detection found.
    const std::string& displayName() const { return NameOverride.empty() ? Name : NameOverride; }

    // Stored in the file.
    std::string GUID;             // identity string, by which detection finds the record again
    std::uint32_t PUID = 0;       // vendor id << 16 | product id; 0 unknown
    std::string Name;             // found at detection
    std::string NameOverride;     // given by the user; empty for none
    int PreferredNumber = -1;     // wished logical joystick, 0-based; -1 none
    int AnalogDeadZone;           // 1/10000 of the half axis range
    vrx::AxisMapping AxisMapping; // source axis of each engine axis; a first -1 asks for an automatic choice

    // Written by detection, never stored.
    int Api;                      // kApiXInput, kApiDirectInput or kApiHid
    bool Connected = false;       // found by the latest detection
    int ControllerType = 0;       // from the known-controller table
    int BackendIndex = 0;         // position within its back end; -1 none
    int JoystickIndex = 0;        // logical joystick; -1 none
    void* HidHandle = nullptr;    // raw-input device handle (HID only)
    bool GamepadLayout = false;   // HID device with the Xbox-style button layout
    std::array<bool, 8> AxisPresent{};  // X, Y, Z, Rx, Ry, Rz, slider 1, slider 2
    std::array<int, 8> LastAxis{};      // last positions / 20, by source axis, for the device dialog

    std::string TemplateID;                   // stored; empty chooses by ControllerType
    const TDeviceTemplate* Template = nullptr; // resolved by DeviceConfigManager
    int UserIndex = 0;                        // XInput user index 0 to 3
};

}  // namespace vrx
