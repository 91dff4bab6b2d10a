#include "Joystick/ProcessingXI.h"

#include <gtest/gtest.h>

#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "support/FakeXInput.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

struct XInputRun {
    RecordingLogger log;
    FakeXInput library;
    XInputBackend backend{library, log};
    DeviceTemplateManager templates{"/nonexistent/templates.json", log};
    DeviceConfigManager registry{templates};
    DeviceList list;
    DetectionContext context{registry, list, log, 2, true};

    int detect() {
        list.clear();
        registry.markAllAbsent();
        return backend.detect(context);
    }
    TDeviceConfig& device(int i) { return *list.at(i); }
};

TEST(XInputSetUp, FallsBackToTheOlderLibraryAndNeedsTheExtendedState) {
    XInputRun older;
    older.library.libraries = {"xinput1_3.dll"};
    EXPECT_TRUE(older.backend.start());
    EXPECT_EQ(older.library.loadAttempts, (Lines{"xinput1_4.dll", "xinput1_3.dll"}));
    EXPECT_EQ(older.log.texts(LogLevel::Error), (Lines{"Could not load XInput1_4.dll. Trying to load XInput1_3.dll..."}));

    XInputRun none;
    none.library.libraries.clear();
    EXPECT_FALSE(none.backend.start());
    EXPECT_EQ(none.log.texts(LogLevel::Error).back(), "Could not load XInput1_3.dll");

    // Without the extended call the capabilities are not even looked for.
    XInputRun bare;
    bare.library.available = {false, false, false, false};
    EXPECT_FALSE(bare.backend.start());
    EXPECT_EQ(bare.log.texts(LogLevel::Error), (Lines{"Could not find XInputGetState", "Could not find XInputSetState",
                                                     "Could not find XInputGetStateEx"}));
    EXPECT_EQ(bare.detect(), 0);

    XInputRun noIds;
    noIds.library.available.getCapabilitiesEx = false;
    EXPECT_TRUE(noIds.backend.start());
    EXPECT_EQ(noIds.log.texts(LogLevel::Error), (Lines{"Could not find XInputGetCapabilitiesEx"}));
}

TEST(XInputDetection, FindsPadsOnAnyIndexAndNumbersThemInOrder) {
    XInputRun r;
    r.library.available.getCapabilitiesEx = false;
    r.backend.start();
    r.library.plug(0);
    r.library.plug(2);
    ASSERT_EQ(r.detect(), 2);
    EXPECT_EQ(r.device(1).GUID, "XInput-1");
    EXPECT_EQ(r.device(1).Name, "XInput Device #2");
    EXPECT_EQ(r.device(1).UserIndex, 2);
    EXPECT_EQ(r.device(1).BackendIndex, 1);
    EXPECT_EQ(r.device(1).PUID, 0u);
    EXPECT_EQ(r.device(1).AxisMapping, (AxisMapping{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(r.log.contains(LogLevel::Debug, "XI device[1] not connected"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "GUID=XInput-1, Name=XInput Device #2"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "DetectJoysticks: Detected 2 XI joystick(s)"));
}

TEST(XInputDetection, UsbIdsIdentifyThePadAndItsHidTwinNamesIt) {
    XInputRun r;
    r.backend.start();
    TDeviceConfig& twin = r.registry.findOrCreate("\\\\?\\HID#VID_045E&PID_028E&IG_00#1");
    twin.PUID = 0x045E028E;
    twin.Name = "Xbox 360 Controller";
    twin.ControllerType = 31;
    r.library.plug(0, 0x045E, 0x028E);
    r.library.plug(1, 0x1234, 0x0000, 2);  // a wireless receiver without a product id
    r.list.clear();
    r.registry.markAllAbsent();
    twin.Connected = true;
    ASSERT_EQ(r.backend.detect(r.context), 2);
    EXPECT_EQ(r.device(0).GUID, "045E028E-1");
    EXPECT_EQ(r.device(0).Name, "Xbox 360 Controller");
    EXPECT_EQ(r.device(0).ControllerType, 31);
    EXPECT_EQ(r.device(1).GUID, "045E02A1-2");
    EXPECT_EQ(r.device(1).Name, "XInput Device #2");
    // The line names the pad by its number whatever named it.
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "GUID=045E028E-1, Name=XInput Device #1"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "VendorId=1234, ProductId=0000"));
}

TEST(XInputDetection, ReadFailuresAreToldApart) {
    XInputRun r;
    r.backend.start();
    r.library.plug(0);
    r.library.pads[0].extendedResult = 5;  // the extended call refuses, the plain one reads
    r.library.plug(1);
    r.library.pads[1].extendedResult = 5;
    r.library.available.getState = true;
    ASSERT_EQ(r.detect(), 2);
    EXPECT_TRUE(r.log.contains(LogLevel::Debug, "XInputGetStateEx did not work, but XInputGetState succeeded"));

    XInputRun broken;
    broken.backend.start();
    broken.library.plug(3);
    broken.library.pads[3].extendedResult = broken.library.pads[3].plainResult = 87;
    EXPECT_EQ(broken.detect(), 0);
    const RecordingLogger& log = broken.log;
    EXPECT_TRUE(log.contains(LogLevel::Error, "XInputGetState failed for index 3 (Error=00000057)"));
}

TEST(XInputPoll, ReadsThePadItWasFoundAtAndFailsWhenItIsGone) {
    XInputRun r;
    r.backend.start();
    r.library.plug(1);
    r.detect();
    TDeviceConfig& pad = r.device(0);
    r.library.pads[1].state.buttons = xinput::kA | xinput::kGuide;
    JoystickSnapshot snapshot;
    ProfileSettings profile;
    ASSERT_EQ(r.backend.poll(pad, profile, snapshot), kPollOk);
    EXPECT_EQ(snapshot.slotValue[56], 1000);
    EXPECT_EQ(snapshot.slotValue[68], 1000);

    // Only the plain call works: no guide button.
    r.library.pads[1].extendedResult = 5;
    JoystickSnapshot plain;
    ASSERT_EQ(r.backend.poll(pad, profile, plain), kPollOk);
    EXPECT_EQ(plain.slotValue[56], 1000);
    EXPECT_EQ(plain.slotValue[68], 0);

    r.library.pads[1].connected = false;
    EXPECT_EQ(r.backend.poll(pad, profile, plain), kPollFailed);
    pad.BackendIndex = 1;
    r.library.pads[1].connected = true;
    EXPECT_EQ(r.backend.poll(pad, profile, plain), kPollFailed) << "beyond the pads of the latest detection";
}

}  // namespace
}  // namespace vrx::test
