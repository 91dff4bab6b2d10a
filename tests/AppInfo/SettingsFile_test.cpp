#include "AppInfo/SettingsFile.h"

#include <gtest/gtest.h>

#include "Utils/IniFile.h"
#include "support/FaultyFiles.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";

// The file's text after its byte-order mark.
std::string savedText(const GlobalSettings& settings, std::string_view before = "") {
    IniFile ini = IniFile::parse(before);
    writeGlobalSettings(settings, ini);
    return ini.encode().substr(3);
}

TEST(GlobalSettingsSave, WritesEverySettingInTheFilesOrder) {
    EXPECT_EQ(savedText(GlobalSettings{}),
                  "[DirectInput]\r\nAnalogDeadZone=1000\r\nAnalogSaturation=10000\r\n"
                  "DefaultAxisMapping=-1:0:0:0:0:0:6:7\r\n\r\n"
                  "[LastStatus]\r\nAllowMultipleRunning=0\r\nStartIconified=0\r\nExitMeansMinimize=1\r\n"
                  "HideWhenMinimized=0\r\nWindowPositionTop=-1\r\nWindowPositionLeft=-1\r\nWindowWidth=710\r\n"
                  "WindowHeight=500\r\nSplitterPosition=248\r\nListColumnWidthButton=75\r\n"
                  "ListColumnWidthKeyboard=144\r\nListColumnWidthAuto=44\r\nListColumnWidthComment=140\r\n"
                  "DarkMode=0\r\nFileName=\r\nHighlightButtons=1\r\nHighlightButtonsForAllTabs=0\r\n"
                  "SkipForegroundProcessing=1\r\nNotifyBalloon=0\r\nNotifySoundFile=\r\nNotifyProfileImage=0\r\n"
                  "ProfileImageDuration=2000\r\nProfileImagePosition=3\r\nIgnoreInputAfterProfileSwitch=0\r\n"
                  "IgnoreInputAfterShiftSwitch=0\r\nShowDebugLog=0\r\nTurboMode=0\r\nXInputSupport=2\r\n"
                  "AccelerationSharpness=3\r\nFontSizeProfileList=0\r\nFontSizeButtonList=0\r\n"
                  "ProfileImageFullScreenRatio=0\r\nAutoDetectDevicesUpTo=1\r\nHasRunBefore=1\r\n");
}

TEST(GlobalSettingsSave, WhatIsWrittenReadsBackTheSame) {
    GlobalSettings s;
    s.allowMultipleRunning = true;
    s.exitMeansMinimize = false;
    s.windowPositionTop = 12;
    s.windowPositionLeft = -3000;
    s.fileName = "ゲーム 1";
    s.notifySoundFile = "C:\\Sounds\\ding; loud.wav";
    s.highlightButtons = false;
    s.skipForegroundProcessing = true;
    s.ignoreInputAfterProfileSwitch = -1;
    s.turboMode = 4;
    s.xInputSupport = 0;
    s.accelerationSharpness = 0.1f;
    s.profileImageFullScreenRatio = 1e-7f;
    s.analogDeadZone = 0;
    s.defaultAxisMapping = {7, 6, 5, 4, 3, 2, 1, -1};
    const std::string first = savedText(s);
    const GlobalSettings back = readGlobalSettings(IniFile::parse(first));
    EXPECT_EQ(savedText(back), first);
    // Floats come back exactly, not to some number of decimals.
    EXPECT_EQ(back.accelerationSharpness, 0.1f);
    EXPECT_EQ(back.profileImageFullScreenRatio, 1e-7f);
    EXPECT_EQ(back.fileName, "ゲーム 1");
    EXPECT_EQ(back.defaultAxisMapping, s.defaultAxisMapping);
}

TEST(GlobalSettingsSave, AnOldFilesSingleSwitchIsWrittenAsTwo) {
    const GlobalSettings s = readGlobalSettings(IniFile::parse("[LastStatus]\r\nHighlightButtons=0\r\n"));
    EXPECT_FALSE(s.skipForegroundProcessing);
    IniFile ini = IniFile::parse(savedText(s));
    EXPECT_EQ(ini.readString("LastStatus", "SkipForegroundProcessing"), "0");
    EXPECT_EQ(ini.readString("LastStatus", "HighlightButtons"), "0");
}

TEST(GlobalSettingsSave, KeepsWhatOthersOwnInTheirPlace) {
    const std::string before =
        "; written by hand\r\n[LastStatus]\r\nWindowWidth=800\r\nFutureSetting=x\r\n\r\n"
        "[DeviceConfig-1]\r\nName=Pad\r\nAxisMapping=0:1\r\n\r\n"
        "[DirectInput]\r\nDefaultAxisMapping=1:2:3:4:5:6:7:8\r\n";
    const GlobalSettings s = readGlobalSettings(IniFile::parse(before));
    EXPECT_EQ(s.defaultAxisMapping, (AxisMapping{1, 2, 3, 4, 5, 6, 7, 8}));
    const IniFile after = IniFile::parse(savedText(s, before));

    EXPECT_EQ(after.sections(), (std::vector<std::string>{"LastStatus", "DeviceConfig-1", "DirectInput"}));
    EXPECT_EQ(after.readString("DeviceConfig-1", "Name"), "Pad");
    EXPECT_EQ(after.readString("DeviceConfig-1", "AxisMapping"), "0:1");
    EXPECT_EQ(after.readString("LastStatus", "FutureSetting"), "x");
    EXPECT_EQ(after.readString("LastStatus", "WindowWidth"), "800");
    EXPECT_EQ(after.readString("DirectInput", "DefaultAxisMapping"), "1:2:3:4:5:6:7:8");
    EXPECT_TRUE(after.encode().find("; written by hand\r\n") != std::string::npos);
}

TEST(GlobalSettingsFile, OnlyASavedFileShowsAnEarlierRun) {
    TempFolder folder;
    const auto path = folder / "Vantorix.ini";
    RecordingLogger log(/*debug=*/false);

    LoadedGlobalSettings loaded = loadGlobalSettings(path, log);
    EXPECT_TRUE(loaded.firstRun);
    EXPECT_EQ(loaded.settings.windowWidth, 710);

    // Settings written by hand, or a file that only holds devices, do not count.
    folder.write("Vantorix.ini", "[LastStatus]\r\nShowDebugLog=1\r\n[DeviceConfig]\r\nCount=1\r\n");
    loaded = loadGlobalSettings(path, log);
    EXPECT_TRUE(loaded.firstRun);
    EXPECT_TRUE(log.debugEnabled());

    saveGlobalSettings(loaded.settings, path, log);
    EXPECT_FALSE(loadGlobalSettings(path, log).firstRun);
    EXPECT_TRUE(log.contains(LogLevel::Info, "Saving .ini file..."));
}

TEST(GlobalSettingsFile, SavesTheOthersSectionsInTheSameFile) {
    TempFolder folder;
    const auto path = folder.write("Vantorix.ini", "[DeviceConfig-2]\r\nName=Old\r\n");
    RecordingLogger log;
    saveGlobalSettings(GlobalSettings{}, path, log, localFiles(), [](IniFile& ini) {
        ini.writeString("DeviceConfig-2", "Name", "Stick");
    });
    const std::string text = readBytes(path);
    EXPECT_TRUE(text.starts_with(kBom));
    const IniFile ini = IniFile::parse(text.substr(3));
    EXPECT_EQ(ini.readString("DeviceConfig-2", "Name"), "Stick");
    EXPECT_EQ(ini.readInteger("DirectInput", "AnalogSaturation", 0), 10000);
    EXPECT_EQ(folder.listing(), "Vantorix.ini");
}

class FailedSettingsSave : public testing::TestWithParam<FaultyFiles::Fault> {};

TEST_P(FailedSettingsSave, ThrowsAndLeavesThePreviousFile) {
    TempFolder folder;
    const std::string previous = std::string(kBom) + "[LastStatus]\r\nWindowWidth=800\r\n[DeviceConfig-1]\r\nName=Pad\r\n";
    const auto path = folder.write("Vantorix.ini", previous);
    FaultyFiles files;
    files.fault = GetParam();
    RecordingLogger log;
    GlobalSettings s;
    s.windowWidth = 1024;
    EXPECT_THROW(saveGlobalSettings(s, path, log, files), std::filesystem::filesystem_error);
    EXPECT_EQ(readBytes(path), previous);
    EXPECT_EQ(folder.listing(), "Vantorix.ini");
}

// A file that cannot be read is not taken for empty: writing it anew would
// lose the device sections it holds.
INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedSettingsSave,
                         testing::Values(FaultyFiles::Fault::Read, FaultyFiles::Fault::Write,
                                         FaultyFiles::Fault::PartialWrite, FaultyFiles::Fault::Replace));

}  // namespace
}  // namespace vrx::test
