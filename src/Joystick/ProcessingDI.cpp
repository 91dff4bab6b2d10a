#include "Joystick/ProcessingDI.h"

#include <cstdio>

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/DirectInputAxes.h"
#include "Joystick/GenericDeviceState.h"
#include "Joystick/KnownControllers.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr uint32_t kLastAxisOffset = 28;  // slider 2
constexpr uint32_t kAxisBytes = 32;       // the eight axes at the start of the state
constexpr int32_t kAxisRange = 1000;
constexpr uint8_t kPressedBit = 0x80;

// The registry text form, braces included, as the system writes it.
std::string guidText(const DiGuid& g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.data1), g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2],
                  g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

// The product GUID holds product id << 16 | vendor id; a PUID has the
// vendor id first.
uint32_t puidOf(const DiGuid& product) { return product.data1 << 16 | product.data1 >> 16; }

}  // namespace

DirectInputBackend::DirectInputBackend(DirectInputApi& api, const GlobalSettings& settings, Logger& log)
    : api_(api), settings_(settings), log_(log) {}

DirectInputBackend::~DirectInputBackend() {
    releaseDevices();
    if (created_) api_.destroy();
}

bool DirectInputBackend::start() {
    created_ = api_.create();
    if (!created_) {
        log_.error("DirectInput8Create failed");
        log_.error(api_.lastErrorText());
    }
    return created_;
}

void DirectInputBackend::releaseDevices() {
    for (auto& device : devices_) device->unacquire();
    devices_.clear();
}

int DirectInputBackend::detect(DetectionContext& context) {
    releaseDevices();
    if (!created_ || !context.lists(kApiDirectInput)) return 0;
    for (const DiDeviceInstance& instance : api_.enumerateDevices())
        if (addDevice(context, instance) == Enumeration::Stop) break;
    const int count = static_cast<int>(devices_.size());
    if (count > 0) {
        log_.infof("DetectJoysticks: Detected %d DI joystick(s)", count);
        for (auto& device : devices_) device->acquire();
    }
    return count;
}

DirectInputBackend::Enumeration DirectInputBackend::addDevice(DetectionContext& context,
                                                              const DiDeviceInstance& instance) {
    if (context.list.full()) {
        log_.error("DetectJoysticksDI: Maximum number of joysticks reached");
        return Enumeration::Stop;
    }
    const std::string identity = guidText(instance.instance);
    log_.infof("Detected a DI joystick: %s, %s, %08lX, %s", instance.instanceName.c_str(),
               instance.productName.c_str(), static_cast<unsigned long>(instance.product.data1), identity.c_str());
    const uint32_t puid = puidOf(instance.product);
    if (context.apiMode != 0 && context.isXInputDevice(puid)) {
        log_.debug("But this DI joystick is an XInput device as well, so skipping...");
        return Enumeration::Continue;
    }

    // The device joins the list only once it is open: one that fails to
    // open leaves no entry, and its record stays absent.
    std::unique_ptr<DirectInputDevice> device = open(instance);
    if (!device) return Enumeration::Continue;

    TDeviceConfig& record = context.registry.findOrCreate(identity);
    record.PUID = puid;
    if (const TDeviceConfig* twin = context.connectedTwin(puid, &record)) {
        record.Name = twin->Name;
        record.ControllerType = twin->ControllerType;
    } else {
        ControllerTemplate found = FindControllerTemplate(puid, instance.productName, log_);
        record.Name = std::move(found.name);
        record.ControllerType = found.type;
    }

    DiCapabilities caps;
    if (device->getCapabilities(caps) != kDiOk) {
        log_.error("IDirectInputDevice8::GetCapabilities FAILED");
    } else {
        log_.infof("numAxis = %d", caps.axes);
        log_.infof("numPOVs = %d", caps.povs);
        log_.infof("numButtons = %d", caps.buttons);
    }
    readAxes(*device, record);
    context.addDevice(record, kApiDirectInput);
    chooseAutomaticAxisMapping(record);
    setAxisProperties(*device, record);

    devices_.push_back(std::move(device));
    return devices_.size() < static_cast<size_t>(kMaxDevices) ? Enumeration::Continue : Enumeration::Stop;
}

std::unique_ptr<DirectInputDevice> DirectInputBackend::open(const DiDeviceInstance& instance) {
    DiResult result = kDiOk;
    std::unique_ptr<DirectInputDevice> device = api_.createDevice(instance.instance, result);
    if (!device || result != kDiOk) {
        log_.error("IDirectInput8::CreateDevice FAILED");
        return nullptr;
    }
    if (device->setDataFormat() != kDiOk) {
        api_.showError("IDirectInputDevice8::SetDataFormat FAILED");
        return nullptr;
    }
    if (device->setCooperativeLevel() != kDiOk) {
        api_.showError("IDirectInputDevice8::SetCooperativeLevel FAILED");
        return nullptr;
    }
    return device;
}

void DirectInputBackend::readAxes(DirectInputDevice& device, TDeviceConfig& record) {
    record.AxisPresent.fill(false);
    std::vector<DiAxisObject> axes;
    device.enumerateAxes(axes);
    for (const DiAxisObject& axis : axes) {
        log_.infof("EnumDeviceObject: Axis offset=%u type=%x name=%s", static_cast<unsigned>(axis.offset),
                   static_cast<unsigned>(axis.type), axis.name.c_str());
        if (axis.offset < kAxisBytes) record.AxisPresent[axis.offset / 4] = true;
    }
}

// Every axis the format has, whether the device has it or not: those it
// lacks refuse, which is harmless.
void DirectInputBackend::setAxisProperties(DirectInputDevice& device, const TDeviceConfig& record) {
    for (uint32_t offset = 0; offset <= kLastAxisOffset; offset += 4) device.setRange(offset, -kAxisRange, kAxisRange);
    for (uint32_t offset = 0; offset <= kLastAxisOffset; offset += 4)
        device.setDeadZone(offset, static_cast<uint32_t>(record.AnalogDeadZone));
    for (uint32_t offset = 0; offset <= kLastAxisOffset; offset += 4)
        device.setSaturation(offset, static_cast<uint32_t>(settings_.analogSaturation));
}

int DirectInputBackend::poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    if (device.BackendIndex < 0 || device.BackendIndex >= static_cast<int>(devices_.size())) return kPollFailed;
    DirectInputDevice& input = *devices_[static_cast<size_t>(device.BackendIndex)];
    DiJoystickState state;
    input.poll();
    DiResult result = input.getState(state);
    // An unplugged or re-plugged device, or one that another program took
    // over for a moment: one more try per tick.
    if (result == kDiNotAcquired || result == kDiInputLost) {
        input.acquire();
        input.poll();
        result = input.getState(state);
    }
    if (result != kDiOk) return kPollFailed;
    fillDirectInputSnapshot(state, device, profile, snapshot);
    return kPollOk;
}

void DirectInputBackend::release(DetectionContext& context) {
    log_.debug("Disposing DirectInput");
    if (created_) {
        releaseDevices();
        api_.destroy();
        created_ = false;
    }
    for (TDeviceConfig* record : context.registry.snapshot())
        if (record->Api == kApiDirectInput) record->Connected = false;
    context.list.forget(kApiDirectInput);
    log_.debug("DirectInput released");
}

void fillDirectInputSnapshot(const DiJoystickState& state, TDeviceConfig& device, const ProfileSettings& profile,
                             JoystickSnapshot& snapshot) {
    GenericDeviceState generic;
    generic.axes = mapSourceAxes(state.axes, device.AxisMapping);
    generic.povs = state.povs;
    for (int b = 0; b < kButtonCount; ++b) generic.buttons[b] = (state.buttons[b] & kPressedBit) != 0;
    fillSnapshot(generic, device.AnalogDeadZone, profile, snapshot);
    trackAxisMoves(device.AxisMapping, device.LastAxis, snapshot);
}

}  // namespace vrx
