#include "DeviceConfig/DeviceConfigManager.h"

#include <gtest/gtest.h>

#include "DeviceConfig/DeviceTemplateManager.h"
#include "Utils/IniFile.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

const std::string kDirectInputId = "{6F1D2B60-D5A0-11CF-BFC7-444553540000}";
const std::string kXInputId = "045E028E-0";
const std::string kHidPath = "\\\\?\\HID#VID_054C&PID_0CE6#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

const DeviceDefaults kDefaults{1500, {0, 1, 2, 3, 4, 5, 6, 7}};

// A registry over the built-in templates only.
struct Registry {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager devices{templates};

    explicit Registry(std::string_view ini = "") { devices.load(IniFile::parse(ini), kDefaults); }

    std::vector<std::string> identities() const {
        std::vector<std::string> list;
        for (const TDeviceConfig* record : devices.snapshot()) list.push_back(record->GUID);
        return list;
    }
    // The device sections as save() writes them into an empty file.
    std::string savedText() const {
        IniFile ini;
        devices.save(ini);
        return ini.encode().substr(3);
    }
};

TEST(DeviceRegistryFile, ReadsEveryStoredFieldAndWritesItBackInKeyOrder) {
    // Vendor ids from 0x8000 are stored as negative numbers, -1 heads an
    // automatic axis mapping, and the keys may come in any order.
    const std::string file =
        "[DeviceConfig]\r\nCount=2\r\n\r\n"
        "[DeviceConfig-1]\r\nAxisMapping=-1:0:0:0:0:0:6:7\r\nGUID=" + kDirectInputId + "\r\nPUID=-1951596543\r\n"
        "Name=Arcade Stick\r\nNameOverride=My stick\r\nTemplateID=PS4\r\nPreferredNumber=3\r\nAnalogDeadZone=200\r\n\r\n"
        "[DeviceConfig-2]\r\nGUID=" + kXInputId + "\r\nPUID=73269902\r\n";
    Registry r(file);
    ASSERT_EQ(r.devices.size(), 2u);
    const TDeviceConfig& stick = *r.devices.snapshot()[0];
    EXPECT_EQ(stick.PUID, 0x8BAD0001u);
    EXPECT_EQ(stick.displayName(), "My stick");
    EXPECT_EQ(stick.PreferredNumber, 3);
    EXPECT_EQ(stick.AnalogDeadZone, 200);
    EXPECT_EQ(stick.AxisMapping, (AxisMapping{-1, 0, 0, 0, 0, 0, 6, 7}));
    EXPECT_EQ(stick.Api, kApiDirectInput);
    EXPECT_EQ(DeviceConfigManager::templateName(stick), "PS4 controller");
    // What a section leaves out comes from the global settings.
    const TDeviceConfig& pad = *r.devices.snapshot()[1];
    EXPECT_EQ(pad.displayName(), "");
    EXPECT_EQ(pad.PreferredNumber, -1);
    EXPECT_EQ(pad.AnalogDeadZone, kDefaults.analogDeadZone);
    EXPECT_EQ(pad.AxisMapping, kDefaults.axisMapping);
    EXPECT_EQ(pad.Api, kApiXInput);

    const std::string saved = r.savedText();
    EXPECT_EQ(saved,
              "[DeviceConfig]\r\nCount=2\r\n\r\n"
              "[DeviceConfig-1]\r\nGUID=" + kDirectInputId + "\r\nPUID=-1951596543\r\nName=Arcade Stick\r\n"
              "NameOverride=My stick\r\nTemplateID=PS4\r\nPreferredNumber=3\r\nAnalogDeadZone=200\r\n"
              "AxisMapping=-1:0:0:0:0:0:6:7\r\n\r\n"
              "[DeviceConfig-2]\r\nGUID=" + kXInputId + "\r\nPUID=73269902\r\nName=\r\nNameOverride=\r\n"
              "TemplateID=\r\nPreferredNumber=-1\r\nAnalogDeadZone=1500\r\nAxisMapping=0:1:2:3:4:5:6:7\r\n");
    EXPECT_EQ(Registry(saved).savedText(), saved);
}

TEST(DeviceRegistryFile, SkipsSectionsWithoutIdentityAndErasesWhatTheyLeave) {
    // Count promises three; the second has no identity, the third is missing.
    Registry r("[DeviceConfig]\r\nCount=3\r\n[DeviceConfig-1]\r\nGUID=a\r\n[DeviceConfig-2]\r\nGUID=\r\nName=x\r\n");
    EXPECT_EQ(r.identities(), std::vector<std::string>{"a"});
    IniFile ini = IniFile::parse("[DeviceConfig-2]\r\nGUID=\r\n[DeviceConfig-9]\r\nGUID=old\r\n");
    r.devices.save(ini);
    EXPECT_EQ(ini.readInteger("DeviceConfig", "Count", 0), 1);
    EXPECT_FALSE(ini.hasSection("DeviceConfig-2"));
    EXPECT_FALSE(ini.hasSection("DeviceConfig-9"));
}

TEST(DeviceRegistryFile, ReadsOnlyTheNumberedSectionsThatCountCovers) {
    // A hand-edited Count reaching two billion costs no more than the
    // sections there are; a section beyond Count, or spelt with a leading
    // zero, is no record.
    Registry r("[DeviceConfig]\r\nCount=2147483647\r\n[DeviceConfig-7]\r\nGUID=seven\r\n"
               "[deviceconfig-2]\r\nGUID=two\r\n[DeviceConfig-03]\r\nGUID=three\r\n");
    EXPECT_EQ(r.identities(), (std::vector<std::string>{"two", "seven"}));
    EXPECT_EQ(Registry("[DeviceConfig]\r\nCount=1\r\n[DeviceConfig-2]\r\nGUID=b\r\n").devices.size(), 0u);
    EXPECT_EQ(Registry("[DeviceConfig]\r\nCount=-5\r\n[DeviceConfig-1]\r\nGUID=b\r\n").devices.size(), 0u);
}

TEST(DeviceRegistryFile, AnUnreadableMappingEntryKeepsTheGlobalDefault) {
    Registry r("[DeviceConfig]\r\nCount=2\r\n[DeviceConfig-1]\r\nGUID=a\r\nAxisMapping=3:x:7\r\n"
               "[DeviceConfig-2]\r\nGUID=b\r\nAxisMapping=\r\nAnalogDeadZone=lots\r\nPUID=12ab\r\n");
    const auto records = r.devices.snapshot();
    EXPECT_EQ(records[0]->AxisMapping, (AxisMapping{3, 1, 7, 3, 4, 5, 6, 7}));
    EXPECT_EQ(records[1]->AxisMapping, kDefaults.axisMapping);
    EXPECT_EQ(records[1]->AnalogDeadZone, kDefaults.analogDeadZone);
    EXPECT_EQ(records[1]->PUID, 0u);
}

TEST(DeviceRegistryFile, RemovingARecordRenumbersTheRestAndKeepsWhatOthersOwn) {
    std::string file = "[DirectInput]\r\nAnalogDeadZone=1500\r\n[DeviceConfig]\r\nCount=5\r\nFuture=1\r\n";
    for (int n = 1; n <= 5; ++n)
        file += "[DeviceConfig-" + std::to_string(n) + "]\r\nGUID=d" + std::to_string(n) + "\r\n";
    Registry r(file);
    EXPECT_TRUE(r.devices.remove(r.devices.snapshot()[2]));
    IniFile ini = IniFile::parse(file);
    r.devices.save(ini);
    EXPECT_EQ(ini.readInteger("DeviceConfig", "Count", 0), 4);
    EXPECT_EQ(ini.readString("DeviceConfig-3", "GUID"), "d4");
    EXPECT_EQ(ini.readString("DeviceConfig-4", "GUID"), "d5");
    EXPECT_FALSE(ini.hasSection("DeviceConfig-5"));
    EXPECT_EQ(ini.readString("DirectInput", "AnalogDeadZone"), "1500");
    EXPECT_EQ(ini.readString("DeviceConfig", "Future"), "1");

}

TEST(DeviceRegistryRecords, TheBackEndIsGuessedFromTheIdentitysLength) {
    struct Case {
        std::string identity;
        int api;
    };
    const Case cases[] = {
        {kXInputId, kApiXInput}, {kDirectInputId, kApiDirectInput}, {kHidPath, kApiHid},
        // "XInput-" + position has 8 characters: HID until detection says otherwise.
        {"XInput-0", kApiHid},   {"", kApiHid},
    };
    for (const Case& c : cases) EXPECT_EQ(TDeviceConfig(c.identity, kDefaults).Api, c.api) << c.identity;
}

TEST(DeviceRegistryRecords, FindOrCreateMatchesTheExactIdentityAndAppendsWithTheCurrentDefaults) {
    Registry r("[DeviceConfig]\r\nCount=3\r\n[DeviceConfig-1]\r\nGUID=pad\r\n[DeviceConfig-2]\r\nGUID=Pad\r\n"
               "[DeviceConfig-3]\r\nGUID=pad\r\nName=second\r\n");
    // Two sections of one identity give two records; the first is found.
    TDeviceConfig& first = r.devices.findOrCreate("pad");
    EXPECT_EQ(&first, r.devices.snapshot()[0]);
    EXPECT_EQ(&r.devices.findOrCreate("Pad"), r.devices.snapshot()[1]);

    r.devices.setDefaults({700, {-1, 0, 0, 0, 0, 0, 6, 7}});
    TDeviceConfig& created = r.devices.findOrCreate("PAD");
    EXPECT_EQ(r.identities(), (std::vector<std::string>{"pad", "Pad", "pad", "PAD"}));
    EXPECT_EQ(created.AnalogDeadZone, 700);
    EXPECT_EQ(created.AxisMapping[0], -1);
    EXPECT_EQ(created.PreferredNumber, -1);
    EXPECT_EQ(&r.devices.findOrCreate("PAD"), &created);
}

TEST(DeviceRegistryRecords, RemovingARecordOfAnotherListChangesNothing) {
    Registry r;
    TDeviceConfig& a = r.devices.findOrCreate("a");
    r.devices.findOrCreate("b");
    const TDeviceConfig stranger("a", kDefaults);
    EXPECT_FALSE(r.devices.remove(&stranger));
    EXPECT_FALSE(r.devices.remove(nullptr));
    EXPECT_EQ(r.devices.size(), 2u);
    EXPECT_TRUE(r.devices.remove(&a));
    EXPECT_EQ(r.identities(), std::vector<std::string>{"b"});
}

TEST(DeviceRegistryTemplates, ANamedTemplateWinsAndAnEmptyNameChoosesByControllerType) {
    Registry r("[DeviceConfig]\r\nCount=2\r\n[DeviceConfig-1]\r\nGUID=a\r\nTemplateID=gone\r\n"
               "[DeviceConfig-2]\r\nGUID=b\r\nTemplateID=SWITCH\r\n");
    TDeviceConfig& unknown = *r.devices.snapshot()[0];
    TDeviceConfig& named = *r.devices.snapshot()[1];
    // An identifier no template has gives none, even when the type would
    // choose one; the identifier itself stays for the next save.
    unknown.ControllerType = 31;
    r.devices.resolveTemplate(unknown);
    EXPECT_EQ(unknown.Template, nullptr);
    EXPECT_EQ(DeviceConfigManager::templateName(unknown), "");
    EXPECT_EQ(unknown.TemplateID, "gone");
    named.ControllerType = 31;
    r.devices.resolveTemplate(named);
    EXPECT_EQ(DeviceConfigManager::templateName(named), "Switch controller");

    TDeviceConfig& ps5 = r.devices.findOrCreate("c");
    ps5.ControllerType = 45;
    r.devices.resolveTemplate(ps5);
    ASSERT_NE(ps5.Template, nullptr);
    EXPECT_EQ(*ps5.Template->buttonName(15), "Mute");
    EXPECT_EQ(ps5.Template->buttonName(16), nullptr);

    r.devices.setTemplate(ps5, "XBOX");
    EXPECT_EQ(ps5.TemplateID, "XBOX");
    EXPECT_EQ(DeviceConfigManager::templateName(ps5), "Xbox controller");
    r.devices.setTemplate(ps5, "");
    EXPECT_EQ(ps5.Template, nullptr);
}

}  // namespace
}  // namespace vrx::test
