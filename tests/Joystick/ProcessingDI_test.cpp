#include "Joystick/ProcessingDI.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/InputDevices.h"
#include "Joystick/PressedState.h"
#include "Joystick/ProcessingHID.h"
#include "Joystick/ProcessingXI.h"
#include "support/AllocationCounter.h"
#include "support/FakeXInput.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

constexpr uint32_t kCentred = 0xFFFFFFFFu;

// A device object that answers with scripted results and records the
// properties it was given.
class FakeDevice final : public DirectInputDevice {
public:
    struct Script {
        DiResult dataFormat = kDiOk, cooperativeLevel = kDiOk, capabilities = kDiOk;
        DiCapabilities caps{2, 12, 1};
        std::vector<DiAxisObject> axes{{0, 0x102, "X Axis"}, {4, 0x202, "Y Axis"}};
        // Results of successive getState calls; the last one repeats.
        std::vector<DiResult> stateResults{kDiOk};
        DiJoystickState state;
    };
    struct Record {
        std::map<uint32_t, std::pair<int32_t, int32_t>> ranges;
        std::map<uint32_t, uint32_t> deadZones, saturations;
        int acquires = 0, unacquires = 0, polls = 0, getStates = 0;
        bool destroyed = false;
    };

    FakeDevice(Script& script, Record& record) : script_(script), record_(record) {}
    ~FakeDevice() override { record_.destroyed = true; }

    DiResult setDataFormat() override { return script_.dataFormat; }
    DiResult setCooperativeLevel() override { return script_.cooperativeLevel; }
    DiResult getCapabilities(DiCapabilities& caps) override {
        caps = script_.caps;
        return script_.capabilities;
    }
    DiResult enumerateAxes(std::vector<DiAxisObject>& axes) override {
        axes = script_.axes;
        return kDiOk;
    }
    DiResult setRange(uint32_t offset, int32_t minimum, int32_t maximum) override {
        record_.ranges[offset] = {minimum, maximum};
        return kDiOk;
    }
    DiResult setDeadZone(uint32_t offset, uint32_t value) override {
        record_.deadZones[offset] = value;
        return kDiOk;
    }
    DiResult setSaturation(uint32_t offset, uint32_t value) override {
        record_.saturations[offset] = value;
        return kDiOk;
    }
    DiResult acquire() override { return ++record_.acquires, kDiOk; }
    DiResult unacquire() override { return ++record_.unacquires, kDiOk; }
    DiResult poll() override { return ++record_.polls, kDiOk; }
    DiResult getState(DiJoystickState& state) override {
        const size_t call = static_cast<size_t>(record_.getStates++);
        const DiResult result = script_.stateResults[std::min(call, script_.stateResults.size() - 1)];
        if (result == kDiOk) state = script_.state;
        return result;
    }

private:
    Script& script_;
    Record& record_;
};

// Attached controllers, by instance GUID data1.
class FakeDirectInput final : public DirectInputApi {
public:
    struct Controller {
        DiDeviceInstance instance;
        bool createFails = false;
        FakeDevice::Script script;
        FakeDevice::Record record;
    };

    // A controller with the given USB ids; n makes its instance GUID.
    Controller& attach(uint32_t n, uint16_t vendor, uint16_t product, std::string productName = "Game Pad") {
        Controller& c = controllers.emplace_back();
        c.instance.instance = {n, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
        c.instance.product.data1 = static_cast<uint32_t>(product) << 16 | vendor;
        c.instance.instanceName = "Pad " + std::to_string(n);
        c.instance.productName = std::move(productName);
        return c;
    }

    bool create() override { return created = createSucceeds; }
    void destroy() override { created = false, ++destroys; }
    std::string lastErrorText() const override { return "Class not registered."; }
    std::vector<DiDeviceInstance> enumerateDevices() override {
        ++enumerations;
        std::vector<DiDeviceInstance> list;
        for (const Controller& c : controllers) list.push_back(c.instance);
        return list;
    }
    std::unique_ptr<DirectInputDevice> createDevice(const DiGuid& instance, DiResult& result) override {
        for (Controller& c : controllers) {
            if (c.instance.instance.data1 != instance.data1) continue;
            result = c.createFails ? 0x80004005u : kDiOk;
            if (c.createFails) return nullptr;
            c.record = {};
            return std::make_unique<FakeDevice>(c.script, c.record);
        }
        result = 0x80004005u;
        return nullptr;
    }
    void showError(const std::string& text) override { errorBoxes.push_back(text); }

    std::deque<Controller> controllers;
    std::vector<std::string> errorBoxes;
    bool createSucceeds = true, created = false;
    int destroys = 0, enumerations = 0;
};

struct DirectInputRig {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager registry{templates};
    DeviceList list;
    GlobalSettings settings;
    FakeDirectInput api;
    DirectInputBackend backend{api, settings, log};
    ProfileSettings profile;

    DirectInputRig() {
        registry.setDefaults(settings.deviceDefaults());
        EXPECT_TRUE(backend.start());
    }

    DetectionContext context(int mode = 2, bool xinputReady = true) {
        return DetectionContext{registry, list, log, mode, xinputReady};
    }
    int detect(int mode = 2) {
        registry.markAllAbsent();
        list.clear();
        DetectionContext c = context(mode);
        return backend.detect(c);
    }
    TDeviceConfig& listed(int index) { return *list.at(index); }
    // A record another back end listed before DirectInput's turn.
    TDeviceConfig& addOther(const std::string& identity, int api, uint32_t puid, const std::string& name) {
        TDeviceConfig& record = registry.findOrCreate(identity);
        record.PUID = puid;
        record.Name = name;
        DetectionContext c = context();
        c.addDevice(record, api);
        return record;
    }
    JoystickSnapshot poll(TDeviceConfig& device, int expected = kPollOk) {
        JoystickSnapshot snapshot;
        EXPECT_EQ(backend.poll(device, profile, snapshot), expected);
        return snapshot;
    }
};

TEST(DirectInputDetection, ListsADeviceUnderItsInstanceGuidWithTheVendorFirstInItsPuid) {
    DirectInputRig r;
    r.api.attach(0x6F1D2B60, 0x046D, 0xC216, "  Logitech Dual Action\t");
    ASSERT_EQ(r.detect(), 1);
    const TDeviceConfig& d = r.listed(0);
    EXPECT_EQ(d.GUID, "{6F1D2B60-D5A0-11CF-BFC7-444553540000}");
    EXPECT_EQ(d.PUID, 0x046DC216u);
    EXPECT_EQ(d.Name, "Logitech Dual Action");
    EXPECT_EQ(d.Api, kApiDirectInput);
    EXPECT_EQ(d.BackendIndex, 0);
    EXPECT_TRUE(d.Connected);
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "Detected a DI joystick: Pad 1864182624, "
                                               "  Logitech Dual Action\t, C216046D, "
                                               "{6F1D2B60-D5A0-11CF-BFC7-444553540000}"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "DetectJoysticks: Detected 1 DI joystick(s)"));
    EXPECT_EQ(r.api.controllers[0].record.acquires, 1);
}

TEST(DirectInputDetection, NamesADeviceAfterItsConnectedTwinElseByTheControllerTable) {
    DirectInputRig r;
    r.api.attach(1, 0x045E, 0x028E, "Controller (XBOX 360 For Windows)");
    r.api.attach(2, 0x1234, 0x5678, "Controller (Arcade Stick)");
    r.api.attach(3, 0x054C, 0x0CE6, "Wireless Controller");
    r.registry.findOrCreate("\\\\?\\HID#VID_054C&PID_0CE6").PUID = 0x054C0CE6;
    TDeviceConfig& twin = *r.registry.snapshot()[0];
    twin.Connected = true;
    twin.Name = "DualSense";
    twin.ControllerType = 45;
    twin.Api = kApiHid;
    r.list.clear();
    DetectionContext c = r.context(0);
    ASSERT_EQ(r.backend.detect(c), 3);
    EXPECT_EQ(r.listed(0).Name, "Xbox 360 Controller");
    EXPECT_EQ(r.listed(0).ControllerType, 31);
    EXPECT_EQ(r.listed(1).Name, "Arcade Stick");
    EXPECT_EQ(r.listed(2).Name, "DualSense");
    EXPECT_EQ(r.listed(2).ControllerType, 45);
}

TEST(DirectInputDetection, APadWithoutATwinTakesItsTypeAndTemplateFromTheControllerTable) {
    struct Case {
        uint16_t vendor, product;
        const char* name;
        int type;
        const char* templateId;
    };
    const Case cases[] = {
        {0x0E6F, 0x0139, "PDP Xbox One Afterglow", 32, "XBOX"},
        {0x0F0D, 0x0055, "HORIPAD 4", 34, "PS4"},
        {0x0E6F, 0x0209, "HORIPAD 4", 45, "PS5"},
        {0x0E6F, 0x0186, "HORIPAD 4", 38, "SWITCH"},
        {0x2C22, 0x2303, "HORIPAD 4", 46, "DEFAULT"},
    };
    for (const Case& c : cases) {
        DirectInputRig r;
        r.api.attach(1, c.vendor, c.product, "HORIPAD 4");
        ASSERT_EQ(r.detect(0), 1);
        const TDeviceConfig& d = r.listed(0);
        EXPECT_EQ(d.Name, c.name);
        EXPECT_EQ(d.ControllerType, c.type) << c.name;
        ASSERT_NE(d.Template, nullptr);
        EXPECT_EQ(d.Template->id, c.templateId) << c.name;
    }
}

TEST(DirectInputDetection, LeavesXInputPadsToXInputExceptInDirectInputOnlyMode) {
    const std::string skipped = "But this DI joystick is an XInput device as well, so skipping...";
    for (const int mode : {0, 2, 4}) {
        DirectInputRig r;
        r.api.attach(1, 0x045E, 0x028E);
        r.api.attach(2, 0x046D, 0xC216);
        r.addOther("045E028E-1", kApiXInput, 0x045E028E, "Xbox 360 Controller");
        DetectionContext c = r.context(mode);
        const int found = r.backend.detect(c);
        EXPECT_EQ(found, mode == 0 ? 2 : 1) << mode;
        EXPECT_EQ(r.log.contains(LogLevel::Debug, skipped), mode != 0) << mode;
        EXPECT_EQ(r.list.at(1)->PUID, mode == 0 ? 0x045E028Eu : 0x046DC216u) << mode;
    }
}

TEST(DirectInputDetection, AnXInputTwinCountsOnlyWhenXInputFoundPadsAndAHidPathSaysSo) {
    DirectInputRig r;
    r.api.attach(1, 0x045E, 0x02FF);
    TDeviceConfig& hid = r.registry.findOrCreate("\\\\?\\HID#VID_045E&PID_02FF&IG_00#8&2b");
    hid.PUID = 0x045E02FF;
    hid.Connected = true;
    hid.Api = kApiHid;
    hid.BackendIndex = -1;
    // No XInput pad in this detection: the DirectInput view is the only one.
    DetectionContext noPads = r.context(2);
    EXPECT_EQ(r.backend.detect(noPads), 1);

    r.list.clear();
    r.addOther("045E028E-1", kApiXInput, 0x045E028E, "Xbox 360 Controller");
    hid.Connected = true;
    DetectionContext withPad = r.context(2);
    EXPECT_EQ(r.backend.detect(withPad), 0);
    DetectionContext xinputOff = r.context(2, false);
    EXPECT_EQ(r.backend.detect(xinputOff), 1);
}

TEST(DirectInputDetection, StopsWhenTheDeviceListIsFull) {
    DirectInputRig r;
    for (int i = 0; i < kMaxDevices - 2; ++i)
        r.addOther("XInput-" + std::to_string(i), kApiXInput, 0, "Pad");
    for (uint32_t n = 1; n <= 3; ++n) r.api.attach(n, 0x1234, static_cast<uint16_t>(n));
    DetectionContext c = r.context(0);
    EXPECT_EQ(r.backend.detect(c), 2);
    EXPECT_EQ(r.list.total(), kMaxDevices);
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              std::vector<std::string>{"DetectJoysticksDI: Maximum number of joysticks reached"});
    EXPECT_EQ(r.api.controllers[2].record.acquires, 0);
}

TEST(DirectInputDetection, ADeviceThatCannotBeOpenedIsSkippedAndTakesNoPlace) {
    DirectInputRig r;
    r.api.attach(1, 0x1234, 1).createFails = true;
    r.api.attach(2, 0x1234, 2).script.dataFormat = 0x80070057u;
    r.api.attach(3, 0x1234, 3).script.cooperativeLevel = 0x80070057u;
    r.api.attach(4, 0x1234, 4).script.capabilities = 0x80070057u;
    ASSERT_EQ(r.detect(), 1);
    EXPECT_EQ(r.listed(0).PUID, 0x12340004u);
    EXPECT_EQ(r.listed(0).BackendIndex, 0);
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              (std::vector<std::string>{"IDirectInput8::CreateDevice FAILED",
                                        "IDirectInputDevice8::GetCapabilities FAILED"}));
    EXPECT_EQ(r.api.errorBoxes, (std::vector<std::string>{"IDirectInputDevice8::SetDataFormat FAILED",
                                                          "IDirectInputDevice8::SetCooperativeLevel FAILED"}));
    EXPECT_TRUE(r.api.controllers[1].record.destroyed);
    EXPECT_TRUE(r.api.controllers[2].record.destroyed);
    // Only the device that opened has a record.
    EXPECT_EQ(r.registry.size(), 1u);
}

TEST(DirectInputDetection, AxesPresentChooseTheAutomaticMappingAndEveryAxisGetsItsProperties) {
    struct Case {
        std::vector<uint32_t> offsets;
        AxisMapping mapping;
    };
    const Case cases[] = {
        {{0, 4, 8, 20}, {0, 1, 2, 5, 3, 4, 6, 7}},          // Z and Rz: PS-style
        {{0, 4, 8, 12, 16, 20}, {0, 1, 2, 5, 3, 4, 6, 7}},  // PS-style wins over Rx and Ry
        {{0, 4, 12, 16}, {0, 1, 3, 4, 2, 5, 6, 7}},         // Rx and Ry: Xbox-style
        {{0, 4}, {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const Case& c : cases) {
        DirectInputRig r;
        r.settings.analogSaturation = 9000;
        auto& script = r.api.attach(1, 0x1234, 1).script;
        script.axes.clear();
        for (uint32_t offset : c.offsets) script.axes.push_back({offset, 0x102, "Axis"});
        script.axes.push_back({40, 0x102, "Beyond the axes"});
        ASSERT_EQ(r.detect(), 1);
        const TDeviceConfig& d = r.listed(0);
        EXPECT_EQ(d.AxisMapping, c.mapping) << c.offsets.size();
        for (int axis = 0; axis < 8; ++axis) {
            const bool listed = std::find(c.offsets.begin(), c.offsets.end(), 4u * axis) != c.offsets.end();
            EXPECT_EQ(d.AxisPresent[axis], listed) << axis;
        }
        const FakeDevice::Record& set = r.api.controllers[0].record;
        ASSERT_EQ(set.ranges.size(), 8u);
        for (uint32_t offset = 0; offset <= 28; offset += 4) {
            EXPECT_EQ(set.ranges.at(offset), (std::pair<int32_t, int32_t>{-1000, 1000}));
            EXPECT_EQ(set.deadZones.at(offset), 1000u);
            EXPECT_EQ(set.saturations.at(offset), 9000u);
        }
    }
}

TEST(DirectInputDetection, ReportsCapabilitiesAndAxisObjects) {
    DirectInputRig r;
    r.api.attach(1, 0x1234, 1);
    r.detect();
    const auto info = r.log.messages(LogLevel::Info);
    const std::vector<std::string> expected{"numAxis = 2", "numPOVs = 1", "numButtons = 12",
                                            "EnumDeviceObject: Axis offset=0 type=102 name=X Axis",
                                            "EnumDeviceObject: Axis offset=4 type=202 name=Y Axis"};
    EXPECT_EQ(std::vector<std::string>(info.begin() + 1, info.begin() + 6), expected);
    EXPECT_EQ(r.log.messages(LogLevel::Debug).back(), "Preferred index = -1");
}

TEST(DirectInputDetection, ADetectionLetsGoOfThePreviousDevicesAndOtherModesOpenNone) {
    DirectInputRig r;
    r.api.attach(1, 0x1234, 1);
    ASSERT_EQ(r.detect(), 1);
    FakeDevice::Record first = r.api.controllers[0].record;
    EXPECT_EQ(r.detect(1), 0);
    EXPECT_EQ(r.api.enumerations, 1);
    EXPECT_EQ(r.detect(3), 0);
    EXPECT_EQ(r.api.enumerations, 1);
    EXPECT_TRUE(r.api.controllers[0].record.destroyed);
    EXPECT_EQ(r.api.controllers[0].record.unacquires, 1);
    EXPECT_EQ(first.acquires, 1);
}

TEST(DirectInputSetUp, AFailedCreationLogsTheSystemsReasonAndAReleaseForgetsTheDevices) {
    DirectInputRig r;
    r.api.attach(1, 0x1234, 1);
    r.detect();
    DetectionContext c = r.context();
    r.backend.release(c);
    EXPECT_FALSE(r.backend.ready());
    EXPECT_FALSE(r.registry.snapshot()[0]->Connected);
    EXPECT_EQ(r.list.count(kApiDirectInput), 0);
    EXPECT_TRUE(r.api.controllers[0].record.destroyed);
    EXPECT_EQ(r.api.destroys, 1);
    const auto debug = r.log.messages(LogLevel::Debug);
    EXPECT_EQ(std::vector<std::string>(debug.end() - 2, debug.end()),
              (std::vector<std::string>{"Disposing DirectInput", "DirectInput released"}));
    EXPECT_EQ(r.detect(), 0);

    r.api.createSucceeds = false;
    EXPECT_FALSE(r.backend.start());
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              (std::vector<std::string>{"DirectInput8Create failed", "Class not registered."}));
}

struct PolledDevice : DirectInputRig {
    PolledDevice() {
        controller = &api.attach(1, 0x1234, 1);
        controller->script.state.povs = {kCentred, kCentred, kCentred, kCentred};
        detect();
        device = &listed(0);
        device->AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
        device->AnalogDeadZone = 0;
    }
    DiJoystickState& state() { return controller->script.state; }
    FakeDirectInput::Controller* controller;
    TDeviceConfig* device;
};

TEST(DirectInputPoll, ALostDeviceIsAcquiredAgainOncePerTick) {
    PolledDevice p;
    p.state().buttons[0] = 0x80;
    for (const DiResult lost : {kDiInputLost, kDiNotAcquired}) {
        p.controller->record = {};
        p.controller->script.stateResults = {lost, kDiOk};
        EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(0)], 1000);
        EXPECT_EQ(p.controller->record.acquires, 1);
        EXPECT_EQ(p.controller->record.polls, 2);
    }
    p.controller->record = {};
    p.controller->script.stateResults = {kDiInputLost};
    p.poll(*p.device, kPollFailed);
    p.poll(*p.device, kPollFailed);
    EXPECT_EQ(p.controller->record.acquires, 2);
    // Other failures are not a lost device.
    p.controller->record = {};
    p.controller->script.stateResults = {0x80004005u};
    p.poll(*p.device, kPollFailed);
    EXPECT_EQ(p.controller->record.acquires, 0);
}

TEST(DirectInputPoll, ADeviceOutsideTheLatestDetectionIsNotRead) {
    PolledDevice p;
    p.device->BackendIndex = 1;
    p.poll(*p.device, kPollFailed);
    p.device->BackendIndex = -1;
    p.poll(*p.device, kPollFailed);
    EXPECT_EQ(p.controller->record.getStates, 0);
}

TEST(DirectInputPoll, HatsPressTheirDirectionsByAngle) {
    struct Case {
        int hat;
        uint32_t angle;
        bool eightWay;
        std::vector<int> directions;
    };
    // Each hat on its own eight slots; the angle rules themselves are the
    // engine's, tested with it.
    const Case cases[] = {
        {0, 2250, true, {0, 1}}, {1, 31500, false, {0, 6}}, {2, 18000, true, {4}}, {3, kCentred, true, {}},
    };
    for (const Case& c : cases) {
        PolledDevice p;
        p.profile.usePOV8Way = c.eightWay;
        p.state().povs[c.hat] = c.angle;
        const JoystickSnapshot s = p.poll(*p.device);
        for (int slot = kFirstPovSlot; slot < kFirstDiagonalSlot; ++slot) {
            const int hat = (slot - kFirstPovSlot) / 8, direction = (slot - kFirstPovSlot) % 8;
            const bool on = hat == c.hat &&
                            std::find(c.directions.begin(), c.directions.end(), direction) != c.directions.end();
            EXPECT_EQ(s.slotValue[slot], on ? 1000 : 0) << "hat " << c.hat << " angle " << c.angle << " slot " << slot;
        }
    }
}

TEST(DirectInputPoll, ExtraAxesFollowTheMappingAndPressPastTheThreshold) {
    PolledDevice p;
    p.profile.threshold = 500;
    p.device->AxisMapping = {0, 1, 3, 4, 2, 5, 6, 7};
    p.state().axes = {0, 0, -600, 0, 0, 500, 501, 0};
    JoystickSnapshot s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[axisSlot(4, false)], 600);  // Z as axis 5
    EXPECT_EQ(s.slotValue[axisSlot(5, true)], 0);     // Rz at the threshold exactly
    EXPECT_EQ(s.slotValue[axisSlot(6, true)], 501);
    EXPECT_EQ(s.axisValue[4], -600);

    // A hand-edited mapping outside the state reads a centred axis.
    p.device->AxisMapping = {0, 1, 2, 3, 9, -3, 6, 7};
    s = p.poll(*p.device);
    EXPECT_EQ(s.axisValue[4], 0);
    EXPECT_EQ(s.axisValue[5], 0);
    EXPECT_EQ(s.slotValue[axisSlot(6, true)], 501);
}

TEST(DirectInputPoll, SticksUseTheDeviceDeadZoneAndTheLiveDisplayFollowsSourceAxes) {
    PolledDevice p;
    p.device->AnalogDeadZone = 2000;  // 200 on the slot scale
    p.device->AxisMapping = {0, 1, 3, 4, 2, 5, 6, 7};
    p.state().axes = {150, -1000, 0, 400, 0, 0, 0, 0};
    JoystickSnapshot s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[axisSlot(0, true)], 0);
    EXPECT_EQ(s.slotValue[axisSlot(1, false)], 1000);
    EXPECT_EQ(s.slotValue[axisSlot(2, true)], 400);  // Rx is stick 2's horizontal
    EXPECT_TRUE(s.axisMoved);
    EXPECT_EQ(p.device->LastAxis[3], s.axisValue[2] / 20);
    EXPECT_EQ(p.device->LastAxis[2], 0);
    EXPECT_FALSE(p.poll(*p.device).axisMoved);
}

TEST(DirectInputPoll, ButtonsWithBitSevenSetArePressedUpToTheProfilesCount) {
    PolledDevice p;
    p.profile.numberOfButtons = 16;
    p.state().buttons[0] = 0x80;
    p.state().buttons[1] = 0x7F;
    p.state().buttons[15] = 0xFF;
    p.state().buttons[16] = 0x80;
    const JoystickSnapshot s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[buttonSlot(0)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(1)], 0);
    EXPECT_EQ(s.slotValue[buttonSlot(15)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(16)], 0);
}

TEST(DirectInputPoll, AllocatesNothingEvenWhenItAcquiresAgain) {
    PolledDevice p;
    p.controller->script.stateResults = {kDiOk, kDiInputLost, kDiOk};
    p.state().buttons[3] = 0x80;
    JoystickSnapshot snapshot;
    AllocationCounter counter;
    for (int tick = 0; tick < 2; ++tick) EXPECT_EQ(p.backend.poll(*p.device, p.profile, snapshot), kPollOk);
    EXPECT_EQ(counter.count(), 0u);
    EXPECT_EQ(p.controller->record.acquires, 2);  // at detection and once again
}

// HID controllers that only give their names: what the HID back end sees
// of them outside the experimental modes.
class NamingHid final : public HidApi {
public:
    struct Controller {
        HidDeviceInfo info;
        std::string path;
    };
    std::vector<Controller> controllers;

    LoadResult load() override { return LoadResult::Loaded; }
    bool registerDevices(bool) override { return true; }
    bool unregisterDevices() override { return true; }
    std::string lastErrorText() const override { return {}; }
    bool deviceList(std::vector<HidDeviceEntry>& entries) override {
        for (Controller& c : controllers) entries.push_back({&c, kRawInputTypeHid});
        return true;
    }
    bool deviceInfo(void* device, HidDeviceInfo& info) override {
        info = static_cast<Controller*>(device)->info;
        return true;
    }
    std::string deviceName(void* device) override { return static_cast<Controller*>(device)->path; }
    HidDeviceStrings deviceStrings(const std::string&) override { return {}; }
    std::unique_ptr<HidReportReader> openReader(void*) override { return nullptr; }
    bool readRawInput(void*, HidRawReports&) override { return false; }
};

struct NoDeviceUi final : DeviceListUi {
    void postUpdateJoysticks() override {}
};

// One Xbox 360 pad as all three back ends see it, detected in a mode.
struct ThreeViewsOfOnePad {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager registry{templates};
    GlobalSettings settings;
    std::unique_ptr<PressedStateMemory> pressed = std::make_unique<PressedStateMemory>();
    UnsharedEngineLock lock;
    NoDeviceUi ui;
    NamingHid hidLibrary;
    FakeXInput xinputLibrary;
    FakeDirectInput directInputLibrary;
    HidBackend hid{hidLibrary, settings, log};
    XInputBackend xinput{xinputLibrary, log};
    DirectInputBackend directInput{directInputLibrary, settings, log};
    InputDevices devices{InputBackends{hid, xinput, directInput}, registry, settings, *pressed, lock, ui, log};

    explicit ThreeViewsOfOnePad(int mode) {
        settings.xInputSupport = mode;
        hidLibrary.controllers.push_back({{0x045E, 0x028E, 1, 5}, "\\\\?\\HID#VID_045E&PID_028E&IG_00#7&1f"});
        xinputLibrary.plug(0, 0x045E, 0x028E);
        directInputLibrary.attach(1, 0x045E, 0x028E, "Controller (XBOX 360 For Windows)");
        EXPECT_TRUE(devices.InitializeInputApis());
    }
    const TDeviceConfig& device(int index) const { return *devices.list().at(index); }
};

TEST(DirectInputAmongBackEnds, InTheMixedModeAnXboxPadIsListedOnceAsXInputNamedAfterItsHidRecord) {
    ThreeViewsOfOnePad pad(2);
    ASSERT_EQ(pad.devices.deviceCount(), 1);
    EXPECT_EQ(pad.device(0).Api, kApiXInput);
    EXPECT_EQ(pad.device(0).Name, "Xbox 360 Controller");
    EXPECT_TRUE(pad.log.contains(LogLevel::Debug, "But this DI joystick is an XInput device as well, so skipping..."));
    const TDeviceConfig& names = *pad.registry.snapshot()[0];
    EXPECT_EQ(names.Api, kApiHid);
    EXPECT_TRUE(names.Connected);
    EXPECT_EQ(names.BackendIndex, -1);
}

TEST(DirectInputAmongBackEnds, InDirectInputOnlyModeThePadIsADirectInputDevice) {
    ThreeViewsOfOnePad pad(0);
    ASSERT_EQ(pad.devices.deviceCount(), 1);
    EXPECT_EQ(pad.device(0).Api, kApiDirectInput);
    EXPECT_EQ(pad.device(0).Name, "Xbox 360 Controller");
    EXPECT_FALSE(pad.log.contains(LogLevel::Debug, "But this DI joystick is an XInput device as well, so skipping..."));
}

TEST(DirectInputAmongBackEnds, InTheExperimentalMixedModeHidAndXInputBothListIt) {
    ThreeViewsOfOnePad pad(4);
    ASSERT_EQ(pad.devices.deviceCount(), 2);
    EXPECT_EQ(pad.device(0).Api, kApiHid);
    EXPECT_EQ(pad.device(1).Api, kApiXInput);
    pad.devices.ReleaseInputApis();
    for (const TDeviceConfig* record : pad.registry.snapshot()) EXPECT_FALSE(record->Connected) << record->GUID;
}

}  // namespace
}  // namespace vrx::test
