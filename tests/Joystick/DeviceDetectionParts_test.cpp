#include <gtest/gtest.h>

#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/KnownControllers.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

TEST(KnownControllers, TheTableNamesWhatItKnows) {
    RecordingLogger log;
    EXPECT_EQ(FindControllerTemplate(0x045E028E, "anything", log).name, "Xbox 360 Controller");
    EXPECT_EQ(FindControllerTemplate(0x045E028E, "", log).type, 31);
    EXPECT_TRUE(log.contains(LogLevel::Debug, "Found the controller template for 045E028E"));
    EXPECT_EQ(FindControllerTemplate(0x057E2009, "", log).type, 38);
    EXPECT_EQ(FindControllerTemplate(0x28DE11FF, "", log).name, "Steam Virtual Gamepad");
    // No two rows for one id: the first would hide the second.
    const auto table = KnownControllerTable();
    for (size_t i = 0; i < table.size(); ++i)
        for (size_t j = i + 1; j < table.size(); ++j) EXPECT_NE(table[i].puid, table[j].puid) << i << " " << j;
}

TEST(KnownControllers, UnnamedRowsAndUnknownPadsFallBackToTheProductName) {
    RecordingLogger log;
    // A PS3 pad's row has a type but no name: the product name counts.
    ControllerTemplate ps3 = FindControllerTemplate(0x054C0268, "  PLAYSTATION(R)3 Controller \t", log);
    EXPECT_EQ(ps3.name, "PLAYSTATION(R)3 Controller");
    EXPECT_EQ(ps3.type, 33);
    EXPECT_EQ(FindControllerTemplate(0x054C0268, "", log).name, "PS3 Controller");
    EXPECT_EQ(FindControllerTemplate(0x054C0CE6, " ", log).name, "PS5 Controller");

    ControllerTemplate unknown = FindControllerTemplate(0x12345678, "Controller (XBOX 360 For Windows)", log);
    EXPECT_EQ(unknown.name, "XBOX 360 For Windows");
    EXPECT_EQ(unknown.type, 0);
    EXPECT_EQ(FindControllerTemplate(0x12345678, "Controller (Arcade Stick", log).name, "Controller (Arcade Stick");
    EXPECT_EQ(FindControllerTemplate(0x12345678, "Controller ()", log).name, "Controller ()");
    EXPECT_EQ(FindControllerTemplate(0x12345678, "", log).name, "Controller (1234-5678)");
}

struct Registry {
    RecordingLogger log;
    DeviceTemplateManager templates{"/nonexistent/templates.json", log};
    DeviceConfigManager registry{templates};
};

TEST(AutomaticAxisMapping, FollowsTheAxesTheDeviceHas) {
    Registry r;
    auto mapped = [&](int api, std::array<bool, 8> axes, int type = 0, bool gamepad = false) {
        TDeviceConfig& record = r.registry.findOrCreate("{device-" + std::to_string(r.registry.size()) + "}");
        record.Api = api;
        record.AxisPresent = axes;
        record.ControllerType = type;
        record.GamepadLayout = gamepad;
        chooseAutomaticAxisMapping(record);
        return record.AxisMapping;
    };
    const AxisMapping psStyle{0, 1, 2, 5, 3, 4, 6, 7}, xboxStyle{0, 1, 3, 4, 2, 5, 6, 7}, identity{0, 1, 2, 3, 4, 5, 6, 7};
    const std::array<bool, 8> zAndRz{true, true, true, false, false, true}, rxAndRy{true, true, false, true, true};
    const std::array<bool, 8> all{true, true, true, true, true, true};
    EXPECT_EQ(mapped(kApiDirectInput, zAndRz), psStyle);
    EXPECT_EQ(mapped(kApiDirectInput, all), psStyle);
    EXPECT_EQ(mapped(kApiDirectInput, rxAndRy), xboxStyle);
    EXPECT_EQ(mapped(kApiDirectInput, {true, true}), identity);
    // A HID device needs a PS-family type for Z and Rz, the pad layout for Rx and Ry.
    EXPECT_EQ(mapped(kApiHid, zAndRz), identity);
    EXPECT_EQ(mapped(kApiHid, zAndRz, 34), psStyle);
    EXPECT_EQ(mapped(kApiHid, rxAndRy), identity);
    EXPECT_EQ(mapped(kApiHid, rxAndRy, 0, true), xboxStyle);

    TDeviceConfig& chosen = r.registry.findOrCreate("{chosen}");
    chosen.AxisMapping = {1, 0, 2, 3, 4, 5, 6, 7};
    chosen.Api = kApiDirectInput;
    chosen.AxisPresent = all;
    chooseAutomaticAxisMapping(chosen);
    EXPECT_EQ(chosen.AxisMapping, (AxisMapping{1, 0, 2, 3, 4, 5, 6, 7})) << "the user's own mapping stays";
}

TEST(DetectionContext, AnXInputPadSeenThroughDirectInputIsTold) {
    Registry r;
    DeviceList list;
    DetectionContext c{r.registry, list, r.log, 2, true};
    TDeviceConfig& hid = r.registry.findOrCreate("\\\\?\\HID#VID_045E&PID_028E&IG_00#7&1");
    hid.Api = kApiHid;
    hid.PUID = 0x045E028E;
    hid.Connected = true;
    EXPECT_FALSE(c.isXInputDevice(0x045E028E)) << "no XInput pad was found in this detection";
    TDeviceConfig& pad = r.registry.findOrCreate("045E028E-1");
    c.addDevice(pad, kApiXInput);
    EXPECT_TRUE(c.isXInputDevice(0x045E028E));
    EXPECT_FALSE(c.isXInputDevice(0x054C05C4));
    c.xinputReady = false;
    EXPECT_FALSE(c.isXInputDevice(0x045E028E));
}

}  // namespace
}  // namespace vrx::test
