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

TEST(GlobalSettingsFile, AShortAxisMappingKeepsTheRest) {
    GlobalSettings s;
    ASSERT_TRUE(assignSetting(s, *findSettingKey("DefaultAxisMapping"), "3:2"));
    EXPECT_EQ(s.defaultAxisMapping, (AxisMapping{3, 2, 0, 0, 0, 0, 6, 7}));
    EXPECT_FALSE(assignSetting(s, *findSettingKey("DefaultAxisMapping"), "1:2:3:4:5:6:7:8:9"));
    EXPECT_FALSE(assignSetting(s, *findSettingKey("DefaultAxisMapping"), "1::2"));
    EXPECT_FALSE(assignSetting(s, *findSettingKey("AccelerationSharpness"), "nan"));
    EXPECT_FALSE(assignSetting(s, *findSettingKey("AccelerationSharpness"), "inf"));
    EXPECT_FLOAT_EQ(s.accelerationSharpness, 3.0f);
}

}  // namespace
}  // namespace vrx::test
