#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

// Result codes as DirectInput returns them: 0 for success, and the two
// failures the poll answers by acquiring the device again.
using DiResult = uint32_t;
inline constexpr DiResult kDiOk = 0;
inline constexpr DiResult kDiInputLost = 0x8007001E;
inline constexpr DiResult kDiNotAcquired = 0x8007000C;

// A GUID in its binary parts, as the system keeps it.
struct DiGuid {
    uint32_t data1 = 0;
    uint16_t data2 = 0, data3 = 0;
    std::array<uint8_t, 8> data4{};
};

// What the enumeration reports of one attached game controller.
struct DiDeviceInstance {
    DiGuid instance;
    DiGuid product;  // data1: product id << 16 | vendor id
    std::string instanceName;
    std::string productName;
};

struct DiCapabilities {
    int axes = 0;
    int buttons = 0;
    int povs = 0;
};

// One axis object of a device.
struct DiAxisObject {
    uint32_t offset = 0;  // in the extended joystick state: 0 X, 4 Y, ... 28 slider 2
    uint32_t type = 0;
    std::string name;
};

// The extended joystick state without its velocity, acceleration and
// force parts: axes X, Y, Z, Rx, Ry, Rz, slider 1, slider 2; hats in
// hundredths of a degree (all bits set when centred); button bytes with
// bit 7 set while pressed.
struct DiJoystickState {
    std::array<int32_t, kAxisCount> axes{};
    std::array<uint32_t, kPovCount> povs{};
    std::array<uint8_t, kButtonCount> buttons{};
};

// One opened device object; destroying it releases the object.
class DirectInputDevice {
public:
    virtual ~DirectInputDevice() = default;
    // The extended joystick data format.
    virtual DiResult setDataFormat() = 0;
    // Bound to the main window, non-exclusive, read in the background too.
    virtual DiResult setCooperativeLevel() = 0;
    virtual DiResult getCapabilities(DiCapabilities& caps) = 0;
    virtual DiResult enumerateAxes(std::vector<DiAxisObject>& axes) = 0;
    // Properties of the axis at a data-format offset; dead zone and
    // saturation in 1/10000 of the range.
    virtual DiResult setRange(uint32_t offset, int32_t minimum, int32_t maximum) = 0;
    virtual DiResult setDeadZone(uint32_t offset, uint32_t value) = 0;
    virtual DiResult setSaturation(uint32_t offset, uint32_t value) = 0;
    virtual DiResult acquire() = 0;
    virtual DiResult unacquire() = 0;
    virtual DiResult poll() = 0;
    virtual DiResult getState(DiJoystickState& state) = 0;
};

// DirectInput 8: the interface object and what it enumerates and creates.
class DirectInputApi {
public:
    virtual ~DirectInputApi() = default;
    // Creates the interface object (replacing one that exists); false on
    // failure, with lastErrorText() saying why.
    virtual bool create() = 0;
    virtual void destroy() = 0;
    virtual std::string lastErrorText() const = 0;
    // The attached game controllers, in the system's order.
    virtual std::vector<DiDeviceInstance> enumerateDevices() = 0;
    virtual std::unique_ptr<DirectInputDevice> createDevice(const DiGuid& instance, DiResult& result) = 0;
    // A modal error box with the caption "Error" over the main window.
    virtual void showError(const std::string& text) = 0;
};

}  // namespace vrx
