#include "Joystick/ProcessingHID.h"

#include <thread>

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/DirectInputAxes.h"
#include "Joystick/GenericDeviceState.h"
#include "Joystick/KnownControllers.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr uint16_t kGenericDesktop = 1, kJoystick = 4, kGamepad = 5;
constexpr uint16_t kMicrosoft = 0x045E;
constexpr int kGamepadButtons = 10;  // before the two trigger buttons
constexpr int kTriggerButton = 10;   // button 11: the combined axis positive
constexpr uint32_t kHatStep = 4500;  // hundredths of a degree

bool experimental(int apiMode) { return apiMode == 3 || apiMode == 4; }

// Marks the window thread's decoding of one message, which a detection
// publishing a new table waits for.
class DecodingMark {
public:
    explicit DecodingMark(std::atomic<bool>& flag) : flag_(flag) { flag_.store(true); }
    ~DecodingMark() { flag_.store(false); }
    DecodingMark(const DecodingMark&) = delete;
    DecodingMark& operator=(const DecodingMark&) = delete;

private:
    std::atomic<bool>& flag_;
};

std::string presenceText(const std::array<bool, kAxisCount>& present) {
    std::string text;
    for (int i = 0; i < kAxisCount; ++i) {
        if (i > 0) text += ',';
        text += present[i] ? '1' : '0';
    }
    return text;
}

}  // namespace

HidBackend::HidBackend(HidApi& api, const GlobalSettings& settings, Logger& log)
    : api_(api), settings_(settings), log_(log),
      tables_{std::make_unique<DeviceTable>(), std::make_unique<DeviceTable>()}, current_(tables_[0].get()) {}

bool HidBackend::start() {
    log_.info("Loading hid.dll");
    switch (api_.load()) {
        case HidApi::LoadResult::NoLibrary: log_.error("Failed to load hid.dll"); return false;
        case HidApi::LoadResult::MissingFunction: return false;
        case HidApi::LoadResult::Loaded: break;
    }
    if (!api_.registerDevices(experimental(settings_.xInputSupport))) {
        log_.error(api_.lastErrorText());
        return false;
    }
    ready_ = true;
    return true;
}

void HidBackend::unregister() {
    if (!api_.unregisterDevices()) log_.error(api_.lastErrorText());
}

HidBackend::DeviceTable& HidBackend::spareTable() {
    DeviceTable& table = current_.load() == tables_[0].get() ? *tables_[1] : *tables_[0];
    for (Device& device : table.devices) {
        device.handle = nullptr;
        device.reader.reset();
        device.decoded = HidState{};
        device.exchange.clear();
    }
    table.count = 0;
    return table;
}

void HidBackend::publish(DeviceTable& table) {
    current_.store(&table);
    // A message decoded now may still use the old table; the next one
    // takes the new. Decoding one message is a matter of microseconds.
    while (decoding_.load()) std::this_thread::yield();
}

void HidBackend::forgetRecords(DetectionContext& context) {
    for (TDeviceConfig* record : context.registry.snapshot()) {
        if (record->Api != kApiHid) continue;
        record->Connected = false;
        record->HidHandle = nullptr;
    }
}

int HidBackend::detect(DetectionContext& context) {
    forgetRecords(context);
    DeviceTable& table = spareTable();
    std::vector<HidDeviceEntry> entries;
    const bool listed = ready_ && api_.deviceList(entries);
    if (listed) {
        for (size_t i = 0; i < entries.size(); ++i) {
            HidDeviceInfo info;
            if (entries[i].type != kRawInputTypeHid || !api_.deviceInfo(entries[i].handle, info)) continue;
            if (info.usagePage != kGenericDesktop || (info.usage != kJoystick && info.usage != kGamepad)) continue;
            addController(context, static_cast<int>(i), entries[i].handle, info, table);
        }
    }
    publish(table);
    if (ready_ && !listed) return -1;
    return table.count;
}

void HidBackend::addController(DetectionContext& context, int entry, void* handle, const HidDeviceInfo& info,
                               DeviceTable& table) {
    const std::string path = api_.deviceName(handle);
    log_.infof("Detected a HID controller[%d]: VendorId=0x%04X, ProductId=0x%04X, UsagePage=%d, Usage=%d, Path=%s",
               entry, info.vendorId, info.productId, info.usagePage, info.usage, path.c_str());
    std::string manufacturer = "General";
    std::string product = info.usage == kGamepad ? "Gamepad" : "Joystick";
    bool microsoft = false;
    HidDeviceStrings strings = api_.deviceStrings(path);
    if (!strings.product.empty()) product = std::move(strings.product);
    if (!strings.manufacturer.empty()) {
        manufacturer = std::move(strings.manufacturer);
    } else if (info.vendorId == kMicrosoft) {
        // Microsoft's pads report no strings of their own over HID.
        manufacturer = "Microsoft";
        microsoft = true;
    }
    const uint32_t puid = static_cast<uint32_t>(info.vendorId) << 16 | info.productId;
    ControllerTemplate found = FindControllerTemplate(puid, product, log_);
    log_.info("Vendor = " + manufacturer);
    log_.info("Product = " + product);
    log_.info("DeviceName = " + found.name);

    std::unique_ptr<HidReportReader> reader = api_.openReader(handle);
    const HidCapabilitySummary caps = ValueCapability(reader.get());
    log_.infof("numAxis = %d [%s]", caps.axes, presenceText(caps.axisPresent).c_str());
    log_.infof("numPOVs = %d", caps.povs);
    log_.infof("numButtons = %d", caps.buttons);

    TDeviceConfig& record = context.registry.findOrCreate(path);
    record.PUID = puid;
    record.Name = std::move(found.name);
    record.ControllerType = found.type;
    record.Connected = true;
    record.HidHandle = handle;
    record.Api = kApiHid;
    record.AxisPresent = caps.axisPresent;
    record.GamepadLayout = (caps.axes == 5 && caps.povs == 1 && microsoft) ||
                           found.type == controller::kXbox360 || found.type == controller::kXboxOne;
    record.BackendIndex = -1;  // names only, unless listed below
    if (!context.lists(kApiHid)) return;
    if (table.count >= kMaxDevices) {
        log_.error("DetectJoysticksHID: Maximum number of joysticks reached");
        return;
    }
    context.addDevice(record, kApiHid);
    chooseAutomaticAxisMapping(record);
    Device& device = table.devices[static_cast<size_t>(table.count++)];
    device.handle = handle;
    device.reader = std::move(reader);
}

HidCapabilitySummary HidBackend::ValueCapability(const HidReportReader* reader) {
    HidCapabilitySummary caps;
    if (!reader) return caps;
    const HidInputLayout& layout = reader->layout();
    if (!layout.buttons.empty()) {
        const HidButtonCapability& first = layout.buttons.front();
        caps.buttons = first.isRange ? first.usageMax - first.usageMin + 1 : 1;
    }
    for (const HidValueCapability& value : layout.values) {
        if (value.isRange)
            log_.debugf("ValueCapability: UsageRange=<%X,%X>, BitSize=%d, Logical=[%ld,%ld]", value.usage,
                        value.usageMax, value.bitSize, static_cast<long>(value.logicalMin),
                        static_cast<long>(value.logicalMax));
        else
            log_.debugf("ValueCapability: Usage=%X, BitSize=%d, Logical=[%ld,%ld]", value.usage, value.bitSize,
                        static_cast<long>(value.logicalMin), static_cast<long>(value.logicalMax));
        const int axis = hidAxisIndex(value.usage);
        if (axis >= 0) {
            ++caps.axes;
            caps.axisPresent[axis] = true;
            if (value.bitSize != 8 && value.bitSize != 10 && value.bitSize != 16) log_.error("Unsupported BitSize!");
        } else if (value.usage == hid::kHatSwitch) {
            ++caps.povs;
        } else {
            log_.error("Unsupported ValueCapability!");
        }
    }
    return caps;
}

void HidBackend::OnRawInput(void* rawInput) {
    DecodingMark mark(decoding_);
    DeviceTable& table = *current_.load();
    if (table.count == 0) return;
    HidRawReports reports;
    if (!api_.readRawInput(rawInput, reports)) return;
    for (int i = 0; i < table.count; ++i) {
        Device& device = table.devices[static_cast<size_t>(i)];
        if (device.handle != reports.device) continue;
        if (device.reader && decodeHidReports(*device.reader, reports, device.decoded))
            device.exchange.publish(device.decoded);
        return;
    }
}

int HidBackend::poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    DeviceTable& table = *current_.load();
    if (device.BackendIndex < 0 || device.BackendIndex >= table.count) return kPollFailed;
    fillHidSnapshot(table.devices[static_cast<size_t>(device.BackendIndex)].exchange.latest(), device, profile,
                    snapshot);
    return kPollOk;
}

void HidBackend::release(DetectionContext& context) {
    forgetRecords(context);
    context.list.forget(kApiHid);
    publish(spareTable());
}

void fillHidSnapshot(const HidState& state, TDeviceConfig& device, const ProfileSettings& profile,
                     JoystickSnapshot& snapshot) {
    GenericDeviceState generic;
    generic.axes = mapSourceAxes(state.axis, device.AxisMapping);
    if (state.pov >= 1 && state.pov <= 8) generic.povs[0] = static_cast<uint32_t>(state.pov - 1) * kHatStep;
    if (device.GamepadLayout) {
        for (int b = 0; b < kGamepadButtons; ++b) generic.buttons[b] = state.button[b] != 0;
        const int zone = device.AnalogDeadZone / 10;
        generic.buttons[kTriggerButton] = generic.axes[4] > zone;
        generic.buttons[kTriggerButton + 1] = generic.axes[4] < -zone;
        for (int b = kTriggerButton + 2; b < kButtonCount; ++b) generic.buttons[b] = state.button[b - 2] != 0;
    } else {
        for (int b = 0; b < kButtonCount; ++b) generic.buttons[b] = state.button[b] != 0;
    }
    fillSnapshot(generic, device.AnalogDeadZone, profile, snapshot);
    trackAxisMoves(device.AxisMapping, device.LastAxis, snapshot);
}

}  // namespace vrx
