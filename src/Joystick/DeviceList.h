#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "DeviceConfig/DeviceConfig.h"
#include "EngineTypes/SlotIndex.h"

namespace vrx {

class DeviceConfigManager;
class Logger;

inline constexpr int kMaxDevices = 50;

// The devices of the latest detection: the HID devices first, then the
// XInput pads, then the DirectInput devices, each back end's in its own
// order, so a device's entry is the counts of the back ends before its own
// plus its BackendIndex. The list only refers to registry records.
class DeviceList {
public:
    int count(int api) const { return counts_[static_cast<size_t>(api)]; }
    int total() const { return counts_[0] + counts_[1] + counts_[2]; }
    bool full() const { return total() >= kMaxDevices; }
    // The record at a device-list index, or null outside the list.
    TDeviceConfig* at(int index) const;

    // Appends a device of the back end detection is running; the back end
    // has checked that the list is not full.
    void add(TDeviceConfig& record);
    // Forgets one back end's devices (their entries stay until the next
    // detection rebuilds the list).
    void forget(int api) { counts_[static_cast<size_t>(api)] = 0; }
    void clear();

    // Logical joystick n is fed by the device at joystickMap[n], or none (-1).
    std::array<int, kMaxJoysticks> joystickMap = filledMap();

private:
    static std::array<int, kMaxJoysticks> filledMap() {
        std::array<int, kMaxJoysticks> map{};
        map.fill(-1);
        return map;
    }

    std::array<TDeviceConfig*, kMaxDevices> entries_{};
    std::array<int, 3> counts_{};  // by Api: XInput, DirectInput, HID
};

// What a back end needs while it detects: the registry, the list it adds
// to, the mode, and the steps every back end takes for a new device.
struct DetectionContext {
    DeviceConfigManager& registry;
    DeviceList& list;
    Logger& log;
    int apiMode;       // XInputSupport: 0 to 4
    bool xinputReady;  // the XInput back end is set up

    // Whether a back end lists its devices in this mode (HID in 3 and 4,
    // XInput in 1, 2 and 4, DirectInput in 0, 2 and 4).
    bool lists(int api) const;
    // The first other connected record with this PUID, in registry order:
    // normally the HID record of the same hardware, which names the device.
    const TDeviceConfig* connectedTwin(uint32_t puid, const TDeviceConfig* self) const;
    // Whether a DirectInput device with this PUID is an XInput pad too,
    // which the XInput back end reads already (modes other than 0).
    bool isXInputDevice(uint32_t puid) const;
    // The last steps for a device a back end found: marks it connected with
    // its back end and BackendIndex, resolves its template, logs its
    // preferred number and puts it in the list.
    void addDevice(TDeviceConfig& record, int api);
};

// The automatic axis mapping of a DirectInput or HID record whose mapping
// starts with -1, chosen by the axes the device has: stick 2 on Z and Rz
// (PS-style pads), on Rx and Ry (Xbox-style), or each axis on its own. The
// record's Api, ControllerType, AxisPresent and GamepadLayout must be set.
void chooseAutomaticAxisMapping(TDeviceConfig& record);

}  // namespace vrx
