#pragma once

#include <array>
#include <atomic>
#include <memory>

#include "Joystick/DeviceList.h"
#include "Joystick/HidApi.h"
#include "Joystick/HidStateExchange.h"
#include "Joystick/InputBackend.h"

namespace vrx {

class Logger;
struct GlobalSettings;

// What a device's input capabilities offer the engine.
struct HidCapabilitySummary {
    int axes = 0;
    std::array<bool, kAxisCount> axisPresent{};  // indexed as HidState::axis
    int povs = 0;
    int buttons = 0;  // of the first button capability
};

// Game controllers read as HID devices through raw input. In every mode
// it registers the main window for raw input, whose device notices drive
// re-detection, and finds the HID controllers so that their records name
// the XInput and DirectInput views of the same hardware; only in the two
// experimental modes are its devices listed and polled.
//
// Reports arrive on the window thread (OnRawInput), outside the engine
// lock, while detection may run on the timer thread: detection builds each
// device table afresh and publishes it, so a report is always decoded
// against a whole table, and states reach the poll through a
// HidStateExchange.
class HidBackend final : public InputBackend {
public:
    // settings: the input API mode, which decides the raw-input
    // registration and what detection lists.
    HidBackend(HidApi& api, const GlobalSettings& settings, Logger& log);

    // Loads hid.dll and registers the main window; called again after the
    // window was recreated.
    bool start() override;
    bool ready() const override { return ready_; }
    int detect(DetectionContext& context) override;
    std::string failureText() const override { return api_.lastErrorText(); }
    int poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;
    void release(DetectionContext& context) override;

    // Before the main window is recreated.
    void unregister();
    // A raw-input message; on the window thread only.
    void OnRawInput(void* rawInput);

private:
    struct Device {
        void* handle = nullptr;
        std::unique_ptr<HidReportReader> reader;
        HidState decoded;  // the window thread's own copy, which each report updates
        HidStateExchange exchange;
    };
    struct DeviceTable {
        std::array<Device, kMaxDevices> devices;
        int count = 0;
    };

    // Marks the HID records absent, without their raw-input handles.
    void forgetRecords(DetectionContext& context);
    void addController(DetectionContext& context, int entry, void* handle, const HidDeviceInfo& info,
                       DeviceTable& table);
    HidCapabilitySummary ValueCapability(const HidReportReader* reader);
    // The table not in use, emptied for a new detection.
    DeviceTable& spareTable();
    // Puts a table in force and waits until no report is being decoded
    // against the one before.
    void publish(DeviceTable& table);

    HidApi& api_;
    const GlobalSettings& settings_;
    Logger& log_;
    bool ready_ = false;
    std::array<std::unique_ptr<DeviceTable>, 2> tables_;
    std::atomic<DeviceTable*> current_;
    std::atomic<bool> decoding_{false};
};

// One device state in the engine's terms, by the device's axis mapping,
// dead zone and button layout and the profile's settings. The Xbox-style
// layout makes the combined trigger axis buttons 11 and 12, as XInput
// pads have them, and moves the pad's further buttons up by two.
void fillHidSnapshot(const HidState& state, TDeviceConfig& device, const ProfileSettings& profile,
                     JoystickSnapshot& snapshot);

}  // namespace vrx
