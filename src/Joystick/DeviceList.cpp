#include "Joystick/DeviceList.h"

#include "DeviceConfig/DeviceConfigManager.h"
#include "Joystick/KnownControllers.h"
#include "Utils/Logger.h"

namespace vrx {

TDeviceConfig* DeviceList::at(int index) const {
    return index >= 0 && index < total() ? entries_[static_cast<size_t>(index)] : nullptr;
}

void DeviceList::add(TDeviceConfig& record) {
    entries_[static_cast<size_t>(total())] = &record;
    ++counts_[static_cast<size_t>(record.Api)];
}

void DeviceList::clear() {
    entries_.fill(nullptr);
    counts_.fill(0);
}

bool DetectionContext::lists(int api) const { return apiInUse(api, apiMode); }

const TDeviceConfig* DetectionContext::connectedTwin(uint32_t puid, const TDeviceConfig* self) const {
    for (const TDeviceConfig* record : registry.snapshot())
        if (record != self && record->Connected && record->PUID == puid) return record;
    return nullptr;
}

bool DetectionContext::isXInputDevice(uint32_t puid) const {
    if (!xinputReady || list.count(kApiXInput) == 0) return false;
    for (const TDeviceConfig* record : registry.snapshot()) {
        if (!record->Connected || record->PUID != puid) continue;
        if (record->Api == kApiXInput) return true;
        // The system's device path of an XInput pad says so.
        if (record->Api == kApiHid && record->GUID.find("IG_") != std::string::npos) return true;
    }
    return false;
}

void DetectionContext::addDevice(TDeviceConfig& record, int api) {
    record.Connected = true;
    record.Api = api;
    record.BackendIndex = list.count(api);
    registry.resolveTemplate(record);
    log.debugf("Preferred index = %d", record.PreferredNumber);
    list.add(record);
}

void chooseAutomaticAxisMapping(TDeviceConfig& record) {
    if (record.AxisMapping[0] != -1) return;
    const auto& has = record.AxisPresent;
    const bool psFamily = record.ControllerType == controller::kPs3 || record.ControllerType == controller::kPs4 ||
                          record.ControllerType == controller::kPs5;
    const bool stickOnZ = has[2] && has[5] && (record.Api == kApiDirectInput || psFamily);
    const bool stickOnR = has[3] && has[4] && (record.Api == kApiDirectInput || record.GamepadLayout);
    if (stickOnZ)
        record.AxisMapping = {0, 1, 2, 5, 3, 4, 6, 7};
    else if (stickOnR)
        record.AxisMapping = {0, 1, 3, 4, 2, 5, 6, 7};
    else
        record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
}

}  // namespace vrx
