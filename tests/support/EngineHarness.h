#pragma once

#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ProfileListLinks.h"
#include "Joystick/EngineLinks.h"
#include "Joystick/GenericDeviceState.h"
#include "Joystick/LogicalJoystickMap.h"
#include "Joystick/Processing.h"
#include "Utils/RecordingEventImpl.h"
#include "support/RecordingLogger.h"

namespace vrx::test {

// Controllers whose state a test sets directly; their poll follows the same
// stick, hat and button rules as the real back ends.
class ScriptedDevices final : public DevicePoller {
public:
    struct Device {
        GenericDeviceState state;
        int deadZone = 0;
        bool failing = false;
        bool moveAxis = false;  // report a moved axis in the next poll
    };

    std::vector<Device> devices;
    LogicalJoystickMap map;
    int polls = 0;

    // Adds a device and maps it to the next logical joystick.
    Device& add() {
        devices.emplace_back();
        map.set(static_cast<int>(devices.size()) - 1, static_cast<int>(devices.size()) - 1);
        return devices.back();
    }

    int deviceCount() const override { return static_cast<int>(devices.size()); }
    int deviceFor(int joystick) const override { return map.deviceFor(joystick, deviceCount()); }
    int poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override {
        ++polls;
        Device& d = devices[static_cast<size_t>(device)];
        if (d.moveAxis) snapshot.axisMoved = true;
        d.moveAxis = false;
        if (d.failing) return kPollFailed;
        fillSnapshot(d.state, d.deadZone, profile, snapshot);
        return kPollOk;
    }
};

class SingleProfile final : public ProfileHost {
public:
    ConfigFile* profile = nullptr;
    std::vector<std::string> switchRequests;

    ConfigFile* currentProfile() override { return profile; }
    int switchToName(std::string_view name) override {
        switchRequests.emplace_back(name);
        return 0;
    }
};

class RecordingUi final : public UserInterfaceLink {
public:
    bool shown = true;
    WindowHandle deviceDialog = 0;
    int refreshPosts = 0;
    int redrawPosts = 0;

    bool windowShown() const override { return shown; }
    bool isDeviceDialog(WindowHandle window) const override { return deviceDialog != 0 && window == deviceDialog; }
    void postRefreshHighlight() override { ++refreshPosts; }
    void postDeviceDialogRedraw() override { ++redrawPosts; }
};

// A whole engine with scripted devices, one profile and recording links.
struct EngineHarness {
    RecordingLogger log{true};
    EngineSettings settings;
    ConfigFile profile;
    SingleProfile profiles;
    ScriptedDevices devices;
    RecordingKeySenders senders;
    RecordingUi ui;
    ProcessingEngine engine{EngineLinks{profiles, settings, devices, senders, ui, log}};

    EngineHarness() {
        profiles.profile = &profile;
        engine.ResetShiftTracking(profile);
    }

    // One timer callback: the tick count goes up, then the tick runs.
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            engine.setTickCount(engine.tickCount() + 1);
            engine.ProcessTick();
        }
    }

    JoyButton& slot(int joystick, int index) { return profile.joystick(joystick)->slot(index); }
    std::vector<std::string>& events() { return senders.record.lines; }
    void press(int device, int button, bool down = true) { devices.devices[device].state.buttons[button] = down; }
};

}  // namespace vrx::test
