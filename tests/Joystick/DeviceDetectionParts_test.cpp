#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <vector>

#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/KnownControllers.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

TEST(KnownControllers, TheTableNamesWhatItKnows) {
    struct Case {
        uint32_t puid;
        int type;
        const char* name;  // null: the product name counts
    };
    const Case cases[] = {
        {0x045E028E, 31, "Xbox 360 Controller"},
        {0x045E02A1, 31, "Xbox 360 Wireless Controller"},
        {0x045E0B12, 32, "Xbox Series X Controller"},
        {0x054C0268, 33, nullptr},
        {0x054C0CE6, 45, nullptr},
        {0x057E2009, 38, "Nintendo Switch Pro Controller"},
        {0x28DE11FF, 30, "Steam Virtual Gamepad"},
        {0x0E6F0139, 32, "PDP Xbox One Afterglow"},
        {0x0F0D0055, 34, nullptr},
    };
    for (const Case& c : cases) {
        RecordingLogger log;
        const ControllerTemplate found = FindControllerTemplate(c.puid, "Product", log);
        EXPECT_EQ(found.type, c.type) << std::hex << c.puid;
        EXPECT_EQ(found.name, c.name ? c.name : "Product") << std::hex << c.puid;
        char line[64];
        std::snprintf(line, sizeof line, "Found the controller template for %08X", c.puid);
        EXPECT_TRUE(log.contains(LogLevel::Debug, line));
    }
}

TEST(KnownControllers, TheTableHasEveryRowOfTheListAndItsFirstRowForAnIdWins) {
    const auto table = KnownControllerTable();
    ASSERT_EQ(table.size(), 535u);
    std::map<int, int> perType;
    int named = 0;
    std::map<uint32_t, std::vector<size_t>> rowsOf;
    for (size_t i = 0; i < table.size(); ++i) {
        ++perType[table[i].type];
        named += table[i].name != nullptr;
        rowsOf[table[i].puid].push_back(i);
    }
    const std::map<int, int> expected{{2, 5},    {3, 2},   {4, 1},   {30, 2},  {31, 163}, {32, 202},
                                      {33, 55},  {34, 58}, {36, 2},  {38, 3},  {39, 1},   {40, 1},
                                      {41, 1},   {42, 16}, {43, 1},  {44, 1},  {45, 12},  {46, 9}};
    EXPECT_EQ(perType, expected);
    EXPECT_EQ(named, 135);

    int doubled = 0;
    for (const auto& [puid, rows] : rowsOf) {
        ASSERT_LE(rows.size(), 2u) << std::hex << puid;
        if (rows.size() == 2) ++doubled;
        EXPECT_EQ(findKnownController(puid), &table[rows.front()]) << std::hex << puid;
    }
    EXPECT_EQ(doubled, 11);
    // The second row of a doubled id differs, and is never reached.
    RecordingLogger log;
    EXPECT_EQ(FindControllerTemplate(0x0E6F02A1, "Pad", log).name, "PDP Xbox One Verdant Green");
    EXPECT_EQ(FindControllerTemplate(0x0F0D00ED, "Pad", log).type, 46);
    EXPECT_EQ(findKnownController(0x12345678), nullptr);
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
