#include "Joystick/InputDevices.h"

#include <gtest/gtest.h>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/InputBackend.h"
#include "Joystick/PressedState.h"
#include "Joystick/ProcessingXI.h"
#include "support/FakeXInput.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

// A back end whose devices are a list of identities with preferred numbers.
class ListedBackend final : public InputBackend {
public:
    ListedBackend(int api, Logger& log) : api_(api), log_(log) {}

    struct Device {
        std::string identity;
        int preferred = -1;
    };
    std::vector<Device> devices;
    bool starts = true;
    bool enumerationFails = false;
    int polls = 0;

    bool start() override { return starts; }
    bool ready() const override { return starts; }
    int detect(DetectionContext& c) override {
        if (enumerationFails) return -1;
        int added = 0;
        if (!c.lists(api_)) return 0;
        for (const Device& d : devices) {
            if (c.list.full()) {
                log_.error("full");
                break;
            }
            TDeviceConfig& record = c.registry.findOrCreate(d.identity);
            record.PreferredNumber = d.preferred;
            record.Name = d.identity;
            c.addDevice(record, api_);
            ++added;
        }
        return added;
    }
    std::string failureText() const override { return "The device is not ready."; }
    int poll(TDeviceConfig&, const ProfileSettings&, JoystickSnapshot& s) override {
        ++polls;
        s.slotValue[56] = 1000;
        return kPollOk;
    }
    void release(DetectionContext& c) override { c.list.forget(api_); }

private:
    int api_;
    Logger& log_;
};

struct RecordingDeviceUi final : DeviceListUi {
    int updates = 0;
    void postUpdateJoysticks() override { ++updates; }
};

struct Devices {
    RecordingLogger log;
    DeviceTemplateManager templates{"/nonexistent/templates.json", log};
    DeviceConfigManager registry{templates};
    GlobalSettings settings;
    PressedStateMemory pressed;
    UnsharedEngineLock lock;
    RecordingDeviceUi ui;
    ListedBackend hid{kApiHid, log}, directInput{kApiDirectInput, log};
    FakeXInput xinputLibrary;
    XInputBackend xinput{xinputLibrary, log};
    InputDevices devices{InputBackends{hid, xinput, directInput}, registry, settings, pressed, lock, ui, log};

    std::string joystickOf(int n) {
        const int d = devices.deviceFor(n);
        return d < 0 ? "-" : devices.list().at(d)->GUID;
    }
};

TEST(InputDevices, PreferredNumbersWinInListOrderAndTheRestFillFromTheLowest) {
    Devices d;
    d.settings.xInputSupport = 4;
    d.hid.devices = {{"hid-a", 1}, {"hid-b", 60}};
    d.xinputLibrary.plug(0, 0x045E, 0x028E);
    d.directInput.devices = {{"{di-a}", 1}, {"{di-b}", 0}};
    ASSERT_TRUE(d.devices.InitializeInputApis());
    EXPECT_EQ(d.devices.deviceCount(), 5);
    // hid-a takes 2 before di-a, which wanted it too; 60 is no number at all.
    EXPECT_EQ(d.joystickOf(0), "{di-b}");
    EXPECT_EQ(d.joystickOf(1), "hid-a");
    EXPECT_EQ(d.joystickOf(2), "hid-b");
    EXPECT_EQ(d.joystickOf(3), "045E028E-1");
    EXPECT_EQ(d.joystickOf(4), "{di-a}");
    EXPECT_EQ(d.joystickOf(5), "-");
    EXPECT_TRUE(d.log.contains(LogLevel::Info, "Assign hid-a to Joystick[2] (hid-a)"));
    EXPECT_TRUE(d.log.contains(LogLevel::Info, "5 joystick(s) are detected"));
    EXPECT_EQ(d.log.texts(LogLevel::Info).front(), "Initialized HID");
}

TEST(InputDevices, TheMainWindowHearsOfChangedCountsAndOfEveryForcedDetection) {
    Devices d;
    d.directInput.devices = {{"{di-a}"}};
    d.devices.InitializeInputApis();
    EXPECT_EQ(d.ui.updates, 1);
    d.devices.requestRedetection();
    d.devices.DetectJoysticks(false);  // a device change that changed nothing
    EXPECT_EQ(d.ui.updates, 1);
    EXPECT_FALSE(d.devices.redetectRequested());
    d.devices.DetectJoysticks(true);
    EXPECT_EQ(d.ui.updates, 2);
    d.directInput.devices.clear();
    EXPECT_EQ(d.devices.DetectJoysticks(false), 0);
    EXPECT_EQ(d.ui.updates, 3);
    EXPECT_TRUE(d.log.contains(LogLevel::Debug, "DetectJoysticks: Failed to detect joysticks"));
    EXPECT_EQ(d.devices.deviceFor(0), -1);
    // The record stays, absent, with what the user set.
    ASSERT_EQ(d.registry.size(), 1u);
    EXPECT_FALSE(d.registry.snapshot()[0]->Connected);
}

TEST(InputDevices, ModesChooseTheBackEndsAndAMissingHidFallsBackToMode2) {
    Devices d;
    d.hid.devices = {{"hid-a"}};
    d.xinputLibrary.available.getCapabilitiesEx = false;
    d.xinputLibrary.plug(0);
    d.directInput.devices = {{"{di-a}"}};
    d.settings.xInputSupport = 1;
    d.devices.InitializeInputApis();
    EXPECT_EQ(d.joystickOf(0), "XInput-0");
    EXPECT_EQ(d.devices.deviceCount(), 1);
    d.settings.xInputSupport = 0;
    d.devices.DetectJoysticks(true);
    EXPECT_EQ(d.joystickOf(0), "{di-a}");
    EXPECT_EQ(d.devices.deviceCount(), 1);

    Devices noHid;
    noHid.hid.starts = false;
    noHid.settings.xInputSupport = 3;
    noHid.devices.InitializeInputApis();
    EXPECT_EQ(noHid.settings.xInputSupport, 2);
    EXPECT_TRUE(noHid.log.contains(LogLevel::Info, "Falling back Input API mode to 2"));
}

TEST(InputDevices, AFailedHidEnumerationIsLoggedAndTheOthersStillRun) {
    Devices d;
    d.settings.xInputSupport = 4;
    d.hid.enumerationFails = true;
    d.directInput.devices = {{"{di-a}"}};
    d.devices.InitializeInputApis();
    EXPECT_EQ(d.log.texts(LogLevel::Error),
              (std::vector<std::string>{"Failed to detect HID joysticks", "The device is not ready."}));
    EXPECT_EQ(d.devices.deviceCount(), 1);
}

TEST(InputDevices, WithoutDirectInputNothingIsDetected) {
    Devices d;
    d.directInput.starts = false;
    d.directInput.devices = {{"{di-a}"}};
    EXPECT_FALSE(d.devices.InitializeInputApis());
    EXPECT_EQ(d.devices.deviceCount(), 0);
    EXPECT_EQ(d.ui.updates, 0);
}

TEST(InputDevices, PollsGoToTheDevicesBackEndAndNothingOutsideTheList) {
    Devices d;
    d.directInput.devices = {{"{di-a}"}};
    d.devices.InitializeInputApis();
    JoystickSnapshot snapshot;
    ProfileSettings profile;
    EXPECT_EQ(d.devices.poll(0, profile, snapshot), kPollOk);
    EXPECT_EQ(d.directInput.polls, 1);
    EXPECT_EQ(d.devices.poll(1, profile, snapshot), kPollFailed);
    EXPECT_EQ(d.devices.poll(-1, profile, snapshot), kPollFailed);
    EXPECT_EQ(d.devices.deviceFor(kMaxJoysticks), -1);
}

TEST(InputDevices, FiftyDevicesFillTheList) {
    Devices d;
    d.settings.xInputSupport = 4;
    for (int i = 0; i < 48; ++i) d.hid.devices.push_back({"hid-" + std::to_string(i)});
    for (int u = 0; u < 4; ++u) d.xinputLibrary.plug(u, 0x045E, 0x028E);
    d.directInput.devices = {{"{di-a}"}};
    d.devices.InitializeInputApis();
    EXPECT_EQ(d.devices.deviceCount(), 50);
    EXPECT_TRUE(d.log.contains(LogLevel::Error, "DetectJoysticksXI: Maximum number of joysticks reached"));
    EXPECT_TRUE(d.log.contains(LogLevel::Info, "DetectJoysticks: Detected 2 XI joystick(s)"));
    EXPECT_TRUE(d.log.contains(LogLevel::Error, "full"));
    EXPECT_EQ(d.joystickOf(49), "045E028E-2");
}

TEST(InputDevices, ReleaseStopsTheMotorsAndForgetsTheDevices) {
    Devices d;
    d.xinputLibrary.plug(0);
    d.devices.InitializeInputApis();
    d.devices.ReleaseInputApis();
    EXPECT_EQ(d.xinputLibrary.motorCommands, (std::vector<std::string>{"0:0,0"}));
    EXPECT_TRUE(d.log.contains(LogLevel::Debug, "Vibration Disabled"));
    EXPECT_EQ(d.devices.deviceCount(), 0);
    EXPECT_FALSE(d.registry.snapshot()[0]->Connected);
    JoystickSnapshot snapshot;
    EXPECT_EQ(d.xinput.poll(*d.registry.snapshot()[0], ProfileSettings{}, snapshot), kPollFailed);
}

}  // namespace
}  // namespace vrx::test
