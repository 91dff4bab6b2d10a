#include "Joystick/ProcessingXI.h"

#include <cstdio>

#include "DeviceConfig/DeviceConfigManager.h"
#include "Joystick/DeviceList.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr int kUserIndices = 4;
constexpr uint16_t kWirelessFlag = 2;

}  // namespace

bool XInputBackend::start() {
    log_.info("Loading XInput1_4.dll");
    if (!api_.load("xinput1_4.dll")) {
        log_.error("Could not load XInput1_4.dll. Trying to load XInput1_3.dll...");
        if (!api_.load("xinput1_3.dll")) {
            log_.error("Could not load XInput1_3.dll");
            return false;
        }
    }
    entries_ = api_.entries();
    if (!entries_.getState) log_.error("Could not find XInputGetState");
    if (!entries_.setState) log_.error("Could not find XInputSetState");
    // Without the extended call there is no guide button and no way to
    // tell pads apart: the back end stays off.
    if (!entries_.getStateEx) {
        log_.error("Could not find XInputGetStateEx");
        return false;
    }
    if (!entries_.getCapabilitiesEx) log_.error("Could not find XInputGetCapabilitiesEx");
    ready_ = true;
    return true;
}

uint32_t XInputBackend::readState(int user, XInputPadState& state, bool& fellBack) {
    fellBack = false;
    const uint32_t result = api_.getStateEx(user, state);
    if (result == 0) return 0;
    fellBack = true;
    return entries_.getState ? api_.getState(user, state) : result;
}

int XInputBackend::detect(DetectionContext& context) {
    count_ = 0;
    if (!ready_ || !context.lists(kApiXInput)) return 0;
    for (int user = 0; user < kUserIndices; ++user) {
        XInputPadState state;
        bool fellBack = false;
        const uint32_t result = readState(user, state, fellBack);
        if (result == kXInputNotConnected) {
            log_.debugf("XI device[%d] not connected", user);
            continue;
        }
        if (result != 0) {
            log_.errorf("XInputGetState failed for index %d (Error=%08X)", user, static_cast<unsigned>(result));
            continue;
        }
        if (fellBack) log_.debug("XInputGetStateEx did not work, but XInputGetState succeeded");
        if (context.list.count(kApiHid) + count_ >= kMaxDevices) {
            log_.error("DetectJoysticksXI: Maximum number of joysticks reached");
            break;
        }
        addPad(context, user);
    }
    log_.infof("DetectJoysticks: Detected %d XI joystick(s)", count_);
    return count_;
}

void XInputBackend::addPad(DetectionContext& context, int user) {
    log_.infof("Detected XI device[%d]", user);
    const std::string defaultName = "XInput Device #" + std::to_string(count_ + 1);
    std::string identity = "XInput-" + std::to_string(count_);
    std::string name = defaultName;
    int type = 0;
    uint32_t puid = 0;
    XInputPadIdentity ids;
    if (entries_.getCapabilitiesEx && api_.getCapabilitiesEx(user, ids) == 0) {
        log_.infof("VendorId=%04X, ProductId=%04X", ids.vendorId, ids.productId);
        // A wireless receiver reports no product of its own.
        if (ids.productId == 0 && (ids.flags & kWirelessFlag)) {
            ids.vendorId = 0x045E;
            ids.productId = 0x02A1;
        }
        puid = static_cast<uint32_t>(ids.vendorId) << 16 | ids.productId;
        char text[24];
        std::snprintf(text, sizeof text, "%08lX-%d", static_cast<unsigned long>(puid), user + 1);
        identity = text;
        if (const TDeviceConfig* twin = context.connectedTwin(puid, nullptr)) {
            name = twin->Name;
            type = twin->ControllerType;
        }
    }
    log_.info("GUID=" + identity + ", Name=" + defaultName);

    TDeviceConfig& record = context.registry.findOrCreate(identity);
    record.PUID = puid;
    record.UserIndex = user;
    record.Name = name;
    record.ControllerType = type;
    record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
    context.addDevice(record, kApiXInput);
    ++count_;
}

int XInputBackend::poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    if (device.BackendIndex < 0 || device.BackendIndex >= count_) return kPollFailed;
    XInputPadState state;
    bool fellBack = false;
    if (readState(device.UserIndex, state, fellBack) != 0) return kPollFailed;
    fillXInputSnapshot(state, device.AnalogDeadZone, profile, std::span<int, 4>(device.LastAxis.data(), 4),
                       snapshot);
    return kPollOk;
}

void XInputBackend::setMotors(uint16_t left, uint16_t right) {
    if (entries_.setState) api_.setState(0, left, right);
}

void XInputBackend::release(DetectionContext& context) {
    if (entries_.setState) {
        api_.setState(0, 0, 0);
        log_.debug("Vibration Disabled");
    }
    for (TDeviceConfig* record : context.registry.snapshot())
        if (record->Api == kApiXInput) record->Connected = false;
    context.list.forget(kApiXInput);
    count_ = 0;
}

}  // namespace vrx
