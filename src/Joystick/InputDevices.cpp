#include "Joystick/InputDevices.h"

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "Joystick/InputBackend.h"
#include "Joystick/PressedState.h"
#include "Utils/Logger.h"

namespace vrx {

InputDevices::InputDevices(InputBackends backends, DeviceConfigManager& registry, GlobalSettings& settings,
                           PressedStateMemory& pressed, EngineLock& lock, DeviceListUi& ui, Logger& log)
    : backends_(backends), registry_(registry), settings_(settings), pressed_(pressed), lock_(lock), ui_(ui),
      log_(log) {}

DetectionContext InputDevices::context() {
    return DetectionContext{registry_, list_, log_, settings_.xInputSupport, backends_.xinput.ready()};
}

InputBackend& InputDevices::backendFor(int api) {
    switch (api) {
        case kApiXInput: return backends_.xinput;
        case kApiDirectInput: return backends_.directInput;
        default: return backends_.hid;
    }
}

bool InputDevices::InitializeInputApis() {
    if (backends_.hid.start()) {
        log_.info("Initialized HID");
    } else if (settings_.xInputSupport == 3 || settings_.xInputSupport == 4) {
        log_.info("Falling back Input API mode to 2");
        settings_.xInputSupport = 2;
    }
    if (backends_.xinput.start()) log_.info("Initialized XInput");
    if (!backends_.directInput.start()) return false;
    log_.info("Initialized DirectInput");
    DetectJoysticks(false);
    return true;
}

void InputDevices::ReleaseInputApis() {
    EngineLockGuard guard(lock_);
    DetectionContext c = context();
    backends_.directInput.release(c);
    backends_.xinput.release(c);
    backends_.hid.release(c);
}

int InputDevices::DetectJoysticks(bool force) {
    log_.debugf("Detecting Joysticks... (API mode = %d)", settings_.xInputSupport);
    const int oldTotal = list_.total();
    int total = 0;
    {
        EngineLockGuard guard(lock_);
        registry_.markAllAbsent();
        pressed_.resetFlags();
        list_.clear();
        DetectionContext c = context();
        if (backends_.hid.detect(c) < 0) {
            log_.error("Failed to detect HID joysticks");
            log_.error(backends_.hid.failureText());
            list_.forget(kApiHid);
        }
        backends_.xinput.detect(c);
        backends_.directInput.detect(c);
        total = list_.total();
        if (total == 0) {
            log_.debug("DetectJoysticks: Failed to detect joysticks");
            list_.joystickMap.fill(-1);
        } else {
            assignJoysticks();
        }
        log_.infof("%d joystick(s) are detected", total);
    }
    if (total != oldTotal || force) ui_.postUpdateJoysticks();
    redetectRequested_.store(false);
    return total;
}

// Devices that prefer a number get it unless one earlier in the list took
// it; the rest fill the free numbers from the lowest up.
void InputDevices::assignJoysticks() {
    list_.joystickMap.fill(-1);
    const int total = list_.total();
    for (int d = 0; d < total; ++d) {
        TDeviceConfig& device = *list_.at(d);
        const int preferred = device.PreferredNumber;
        device.JoystickIndex = -1;
        if (preferred >= 0 && preferred < kMaxJoysticks && list_.joystickMap[static_cast<size_t>(preferred)] < 0)
            assign(d, preferred);
    }
    for (int d = 0; d < total; ++d) {
        if (list_.at(d)->JoystickIndex >= 0) continue;
        for (int n = 0; n < kMaxJoysticks; ++n) {
            if (list_.joystickMap[static_cast<size_t>(n)] >= 0) continue;
            assign(d, n);
            break;
        }
    }
}

void InputDevices::assign(int device, int joystick) {
    TDeviceConfig& record = *list_.at(device);
    list_.joystickMap[static_cast<size_t>(joystick)] = device;
    record.JoystickIndex = joystick;
    log_.infof("Assign %s to Joystick[%d] (%s)", record.Name.c_str(), joystick + 1, record.GUID.c_str());
}

int InputDevices::deviceFor(int joystick) const {
    if (joystick < 0 || joystick >= kMaxJoysticks) return -1;
    const int device = list_.joystickMap[static_cast<size_t>(joystick)];
    return device >= 0 && device < list_.total() ? device : -1;
}

int InputDevices::poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    TDeviceConfig* record = list_.at(device);
    if (!record) return kPollFailed;
    return backendFor(record->Api).poll(*record, profile, snapshot);
}

}  // namespace vrx
