#include <gtest/gtest.h>

#include "AppInfo/SettingKeys.h"
#include "AppInfo/SettingsFile.h"
#include "Utils/IniFile.h"

namespace vrx::test {
namespace {

TEST(GlobalSettingsFile, AnEmptyFileGivesTheDefaults) {
    const GlobalSettings s = readGlobalSettings(IniFile::parse(""));
    EXPECT_TRUE(s.exitMeansMinimize);
    EXPECT_TRUE(s.highlightButtons);
    EXPECT_TRUE(s.skipForegroundProcessing);
    EXPECT_EQ(s.xInputSupport, 2);
    EXPECT_EQ(s.profileImagePosition, 3);
    EXPECT_FLOAT_EQ(s.accelerationSharpness, 3.0f);
    EXPECT_EQ(s.defaultAxisMapping, (AxisMapping{-1, 0, 0, 0, 0, 0, 6, 7}));
}

TEST(GlobalSettingsFile, SkippingTheForegroundFollowsHighlightingWhenNotGiven) {
    EXPECT_FALSE(readGlobalSettings(IniFile::parse("[LastStatus]\nHighlightButtons=0\n")).skipForegroundProcessing);
    EXPECT_TRUE(readGlobalSettings(IniFile::parse("[LastStatus]\nHighlightButtons=0\nSkipForegroundProcessing=1\n"))
                    .skipForegroundProcessing);
}

TEST(GlobalSettingsFile, ValuesAreReadByTheirKindAndBadOnesKeepTheDefault) {
    const GlobalSettings s = readGlobalSettings(IniFile::parse(
        "[directinput]\nanalogdeadzone=250\nDefaultAxisMapping=1:2:3:4:5:6:7:8\n"
        "[LastStatus]\nTurboMode=7\nXInputSupport=x\nAccelerationSharpness=1.5\nFileName=ゲーム\nDarkMode=5\n"));
    EXPECT_EQ(s.analogDeadZone, 250);
    EXPECT_EQ(s.defaultAxisMapping, (AxisMapping{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.turboMode, 0);  // outside 0 to 4
    EXPECT_EQ(s.xInputSupport, 2);
    EXPECT_FLOAT_EQ(s.accelerationSharpness, 1.5f);
    EXPECT_EQ(s.fileName, "ゲーム");
    EXPECT_TRUE(s.darkMode);
}

TEST(GlobalSettingsFile, TheAxisMappingIsReadByTheIntegerListRule) {
    struct Case {
        const char* text;
        AxisMapping expected;
    };
    const Case cases[] = {
        {"3:2", {3, 2, 0, 0, 0, 0, 6, 7}},                    // the rest keep their values
        {"1:2:3:4:5:6:7:8:9", {1, 2, 3, 4, 5, 6, 7, 8}},      // the ninth is ignored
        {"1::2", {1, 2, 0, 0, 0, 0, 6, 7}},                   // empty pieces do not count
        {" 4 : x :5px", {4, 0, 5, 0, 0, 0, 6, 7}},            // a piece without a number keeps its value
        {"", {-1, 0, 0, 0, 0, 0, 6, 7}},
    };
    for (const Case& c : cases) {
        GlobalSettings s;
        EXPECT_TRUE(assignSetting(s, *findSettingKey("DefaultAxisMapping"), c.text)) << c.text;
        EXPECT_EQ(s.defaultAxisMapping, c.expected) << c.text;
    }
    GlobalSettings s;
    EXPECT_FALSE(assignSetting(s, *findSettingKey("AccelerationSharpness"), "nan"));
    EXPECT_FALSE(assignSetting(s, *findSettingKey("AccelerationSharpness"), "inf"));
    EXPECT_FLOAT_EQ(s.accelerationSharpness, 3.0f);
}

TEST(GlobalSettingsFile, NumbersAreReadAsTheIniFileReadsThem) {
    const IniFile ini = IniFile::parse(
        "[LastStatus]\nWindowWidth= 800 \t\nTurboMode=+2 \nDarkMode=\t1\nAccelerationSharpness= 1.5 \n"
        "WindowHeight=+-5\nSplitterPosition=1 2\n");
    const GlobalSettings s = readGlobalSettings(ini);
    EXPECT_EQ(s.windowWidth, ini.readInteger("LastStatus", "WindowWidth", 0));
    EXPECT_EQ(s.windowWidth, 800);
    EXPECT_EQ(s.turboMode, 2);
    EXPECT_TRUE(s.darkMode);
    EXPECT_FLOAT_EQ(s.accelerationSharpness, 1.5f);
    const GlobalSettings defaults;
    EXPECT_EQ(s.windowHeight, defaults.windowHeight);
    EXPECT_EQ(ini.readInteger("LastStatus", "WindowHeight", defaults.windowHeight), defaults.windowHeight);
    EXPECT_EQ(s.splitterPosition, defaults.splitterPosition);
}

}  // namespace
}  // namespace vrx::test
