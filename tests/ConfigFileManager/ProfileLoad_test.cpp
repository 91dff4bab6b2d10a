#include <gtest/gtest.h>

#include <string>

#include "ConfigFileManager/ConfigFile.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/PathText.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx {
namespace {

using test::RecordingLogger;

class ProfileLoad : public ::testing::Test {
protected:
    // The profile a file with this text loads as.
    const ConfigFile& load(const std::string& text, const AnsiCodePage& ansi = systemAnsiCodePage()) {
        profile.loadFrom(folder.write("Profile.cfg", text), log, ansi);
        return profile;
    }
    // A file of this version with a [General] section holding the given
    // lines, then the rest.
    const ConfigFile& loadVersion(int version, const std::string& general, const std::string& rest = {}) {
        return load("[General]\r\nFileVersion=" + std::to_string(version) + "\r\n" + general + "[Joystick 1]\r\n" +
                    rest);
    }
    const JoyButton& slot(int s) const { return profile.joystick(0)->slot(s); }

    test::TempFolder folder;
    RecordingLogger log;
    ConfigFile profile;
};

TEST_F(ProfileLoad, AVersionOnlyFileGivesTheFileDefaultsNotTheNewProfileOnes) {
    load("[General]\r\nFileVersion=74\r\n");
    EXPECT_EQ(profile.numberOfJoysticks(), 2);
    EXPECT_EQ(profile.settings.numberOfButtons, 32);
    EXPECT_EQ(profile.settings.threshold, 0);
    EXPECT_EQ(profile.settings.threshold2, 0);
    EXPECT_EQ(profile.settings.displayMode, 0);
    EXPECT_FALSE(profile.modified);
    for (int n = 0; n < 2; ++n)
        for (const JoyButton& b : profile.joystick(n)->slots()) EXPECT_EQ(b.type, AssignType::None);
    EXPECT_TRUE(log.contains(LogLevel::Debug, "Parsing ConfigFile \"" + pathToUtf8(folder / "Profile.cfg") + "\""));
}

TEST_F(ProfileLoad, MissingOrTooOldFilesGiveANewProfileLeftModified) {
    const ConfigFile fresh;
    for (const char* text : {"", "[General]\r\nFileVersion=29\r\nNumberOfJoysticks=5\r\nThreshold=300\r\n",
                             "[General]\r\nFileVersion=abc\r\n", "not an ini file at all\x01\x02"}) {
        load(text);
        EXPECT_TRUE(profile.modified) << text;
        EXPECT_EQ(profile.settings, fresh.settings) << text;
    }
    profile.loadFrom(folder / "missing.cfg", log);
    EXPECT_TRUE(profile.modified);
    EXPECT_EQ(profile.settings, fresh.settings);
}

TEST_F(ProfileLoad, CountsAreLimitedToTheirRanges) {
    struct Case {
        const char* general;
        int joysticks;
        int buttons;
    };
    const Case cases[] = {{"NumberOfJoysticks=0\r\nNumberOfButtons=-3\r\n", 1, 0},
                          {"NumberOfJoysticks=80\r\nNumberOfButtons=200\r\n", 50, 128},
                          {"NumberOfJoysticks=four\r\nNumberOfButtons=\r\n", 2, 32},
                          {"NumberOfJoysticks=7\r\nNumberOfButtons=64\r\n", 7, 64}};
    for (const Case& c : cases) {
        loadVersion(74, c.general);
        EXPECT_EQ(profile.numberOfJoysticks(), c.joysticks) << c.general;
        EXPECT_EQ(profile.settings.numberOfButtons, c.buttons) << c.general;
        for (int n = 0; n < c.joysticks; ++n) EXPECT_NE(profile.joystick(n), nullptr);
    }
}

TEST_F(ProfileLoad, NegativeThresholdsAreRaisedToZero) {
    // Otherwise every idle slot would count as pressed.
    loadVersion(74, "Threshold=-1\r\nThreshold2=5000\r\n");
    EXPECT_EQ(profile.settings.threshold, 0);
    EXPECT_EQ(profile.settings.threshold2, 1000);
}

TEST_F(ProfileLoad, DisplayModeCameFromTwoSwitchesBeforeVersion44) {
    struct Case {
        int version;
        const char* general;
        int mode;
    };
    const Case cases[] = {{43, "Use8Axes=1\r\nUsePOV=1\r\nDisplayMode=2\r\n", 3},
                          {43, "UsePOV=1\r\n", 1},
                          {43, "DisplayMode=2\r\n", 0},
                          {44, "Use8Axes=1\r\nDisplayMode=2\r\n", 2},
                          {44, "Use8Axes=1\r\n", 0}};
    for (const Case& c : cases) {
        loadVersion(c.version, c.general);
        EXPECT_EQ(profile.settings.displayMode, c.mode) << c.version << " " << c.general;
    }
}

TEST_F(ProfileLoad, BeforeVersion68OneDiagonalSwitchServedBothSticks) {
    loadVersion(60, "UseDiagonalInput=1\r\nUseDiagonalInput2=0\r\n");
    EXPECT_TRUE(profile.settings.useDiagonalInput);
    EXPECT_TRUE(profile.settings.useDiagonalInput2);
    loadVersion(68, "UseDiagonalInput=1\r\nUseDiagonalInput2=0\r\n");
    EXPECT_TRUE(profile.settings.useDiagonalInput);
    EXPECT_FALSE(profile.settings.useDiagonalInput2);
    loadVersion(68, "UseDiagonalInput=0\r\nUseDiagonalInput2=1\r\n");
    EXPECT_FALSE(profile.settings.useDiagonalInput);
    EXPECT_TRUE(profile.settings.useDiagonalInput2);
}

// A keyboard slot pressing the given key, as every version from 30 writes it.
std::string keyLine(int version, int key) {
    char line[64];
    std::snprintf(line, sizeof line, version >= 50 ? "1, %02X:00:00:00, 0.000, 0, 0" : "1, %02X:00:00, 0.000, 0",
                  key);
    return line;
}

// The slot whose key is the only one pressing key 0x41.
int slotPressingA(const ConfigFile& profile) {
    for (const JoyButton& b : profile.joystick(0)->slots())
        if (b.type == AssignType::Keyboard && b.keys[0] == 0x41) return b.slotIndex;
    return -1;
}

TEST_F(ProfileLoad, UpToVersion50AxesFourToSixWereStoredInAnotherOrder) {
    // File axis k held what is now axis kOld[k].
    const int kOld[8] = {1, 2, 3, 5, 6, 4, 7, 8};
    for (int version : {30, 45, 50, 51, 74}) {
        for (int k = 1; k <= 8; ++k) {
            for (const char* end : {"n", "p"}) {
                loadVersion(version, "", "Axis" + std::to_string(k) + end + "=" + keyLine(version, 0x41) + "\r\n");
                const int axis = version <= 50 ? kOld[k - 1] : k;
                EXPECT_EQ(slotPressingA(profile), 2 * (axis - 1) + (*end == 'p'))
                    << "version " << version << " Axis" << k << end;
            }
        }
    }
}

TEST_F(ProfileLoad, UpToVersion42TwoHatsHadFourDirections) {
    struct Case {
        int version;
        const char* key;
        int slot;  // -1: the key is not read
    };
    const Case cases[] = {{42, "POV1-1", 16}, {42, "POV1-2", 18}, {42, "POV1-4", 22}, {42, "POV2-1", 24},
                          {42, "POV2-4", 30}, {42, "POV1-5", -1}, {42, "POV3-1", -1}, {43, "POV1-2", 17},
                          {43, "POV2-4", 27}, {43, "POV4-8", 47}, {74, "POV3-5", 36}};
    for (const Case& c : cases) {
        loadVersion(c.version, "", std::string(c.key) + "=" + keyLine(c.version, 0x41) + "\r\n");
        EXPECT_EQ(slotPressingA(profile), c.slot) << c.version << " " << c.key;
    }
}

TEST_F(ProfileLoad, SecondStickDiagonalsExistFromVersion50) {
    const char* keys[] = {"Up-Right", "Up- Left", "Dn- Left", "Dn-Right", "Up-Right2", "Up- Left2", "Dn- Left2",
                          "Dn-Right2"};
    for (int version : {49, 50}) {
        for (int i = 0; i < 8; ++i) {
            loadVersion(version, "", std::string(keys[i]) + "=" + keyLine(version, 0x41) + "\r\n");
            const int expected = i < 4 || version >= 50 ? 48 + i : -1;
            EXPECT_EQ(slotPressingA(profile), expected) << version << " " << keys[i];
        }
    }
}

TEST_F(ProfileLoad, SlotLinesAreReadInTheFormOfTheFilesVersion) {
    // Three inputs of three keys up to version 55, four of four from 56.
    const std::string multi55 = "7, 3, 300, 41:42:43, 44:45:46, 47:48:49, 90, 100";
    loadVersion(55, "", "Button01=" + multi55 + "\r\n");
    const std::array<KeyCode, 16> keys55 = {0x41, 0x42, 0x43, 0, 0x44, 0x45, 0x46, 0, 0x47, 0x48, 0x49};
    EXPECT_EQ(slot(56).type, AssignType::KeyboardMulti);
    EXPECT_EQ(slot(56).keys, keys55);
    EXPECT_EQ(slot(56).analogThreshold2, 100);

    loadVersion(56, "",
                "Button01=7, 3, 300, 41:0:0:0, 42:0:0:0, 43:A0:0:0, 0:0:0:0, 95, 100, 0.000, 0, 0, 20, 0\r\n");
    EXPECT_EQ(slot(56).keys[9], 0xA0u);

    // Before version 50 a line had no comment and a slowed mouse was a type of its own.
    loadVersion(49, "", "Button01=4, 150\r\nButton02=1, 41:42:43, 2.5, 1  ##not a comment\r\n");
    EXPECT_EQ(slot(56).type, AssignType::Mouse);
    EXPECT_EQ(slot(56).analogFactor, 150);
    EXPECT_EQ(slot(57).type, AssignType::Keyboard);
    EXPECT_EQ(slot(57).keys[2], 0x43u);
    EXPECT_EQ(slot(57).autoRepeatRate, 2.5f);
    EXPECT_EQ(slot(57).comment, "");
}

TEST_F(ProfileLoad, OnlyButtonsUpToTheCountAndJoysticksUpToTheCountAreRead) {
    load("[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\nNumberOfButtons=2\r\n"
         "[Joystick 1]\r\nButton02=" + keyLine(74, 0x41) + "\r\nButton03=" + keyLine(74, 0x42) + "\r\n"
         "[Joystick 2]\r\nButton01=" + keyLine(74, 0x43) + "\r\n");
    EXPECT_EQ(slot(57).type, AssignType::Keyboard);
    EXPECT_EQ(slot(58).type, AssignType::None);
    EXPECT_EQ(profile.numberOfJoysticks(), 1);
    ASSERT_NE(profile.joystick(1), nullptr);  // kept from the new profile, but not read
    EXPECT_EQ(profile.joystick(1)->slot(56).type, AssignType::None);
}

TEST_F(ProfileLoad, JoystickSectionsGiveTabNamesAndTemplatesAndMatchWithoutCase) {
    load("[GENERAL]\r\nfileversion=74\r\n[joystick 2]\r\nDefaultDisplayName=Left pad\r\n"
         "DEFAULTTEMPLATEID=arcade\r\nbutton10=0  ##note\r\n");
    EXPECT_EQ(profile.joystick(1)->defaultDisplayName, "Left pad");
    EXPECT_EQ(profile.joystick(1)->defaultTemplateId, "arcade");
    EXPECT_EQ(profile.joystick(1)->slot(65).comment, "note");
}

TEST_F(ProfileLoad, LoadingAgainLeavesNothingOfTheProfileBefore) {
    loadVersion(74, "NumberOfButtons=128\r\n", "Button100=" + keyLine(74, 0x41) + "\r\nDefaultDisplayName=x\r\n");
    ASSERT_EQ(slot(155).type, AssignType::Keyboard);
    loadVersion(74, "NumberOfButtons=32\r\n");
    EXPECT_EQ(slot(155).type, AssignType::None);
    EXPECT_EQ(profile.joystick(0)->defaultDisplayName, "");
}

TEST_F(ProfileLoad, AliasEntriesAreReadForHat1AndTheButtonsAndCheckedAfterwards) {
    load("[General]\r\nFileVersion=74\r\nNumberOfButtons=4\r\n"
         "[ButtonAlias]\r\nInput17=18, 19, -1\r\nInput25=1, 2, 3\r\nButton01=200, -1, -1\r\n"
         "Button02=60\r\nButton03=\r\nButton04=5, 183, 184\r\nButton05=1, -1, -1\r\n");
    EXPECT_EQ(profile.buttonAlias[16], (ButtonAliasEntry{18, 19, -1}));
    EXPECT_EQ(profile.buttonAlias[24], ButtonAliasTable::neutral(24));   // not a stored entry
    EXPECT_EQ(profile.buttonAlias[56], ButtonAliasTable::neutral(56));   // out of range
    EXPECT_EQ(profile.buttonAlias[57], (ButtonAliasEntry{60, -1, -1}));  // the rest keep their values
    EXPECT_EQ(profile.buttonAlias[58], ButtonAliasTable::neutral(58));
    EXPECT_EQ(profile.buttonAlias[59], ButtonAliasTable::neutral(59));
    EXPECT_EQ(profile.buttonAlias[60], ButtonAliasTable::neutral(60));   // above the button count
    EXPECT_EQ(log.texts(LogLevel::Error), (std::vector<std::string>{"Invalid ButtonAlias for input[56] is ignored",
                                                                     "Invalid ButtonAlias for input[59] is ignored"}));
}

TEST_F(ProfileLoad, FilesWithoutAByteOrderMarkAreInTheAnsiCodePage) {
    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_NE(cp932, nullptr);
    // ソフト; its first character ends in the byte of a backslash.
    const std::string soft = "\x83\x5C\x83\x74\x83\x67";
    for (int version : {49, 74}) {
        load("[General]\r\nFileVersion=" + std::to_string(version) + "\r\nSoundFile=" + soft +
                 ".wav\r\n[Joystick 1]\r\nDefaultDisplayName=" + soft + "\r\nButton01=6, \"" + soft + "\"\r\n",
             *cp932);
        EXPECT_EQ(profile.settings.soundFile, "ソフト.wav") << version;
        EXPECT_EQ(profile.joystick(0)->defaultDisplayName, "ソフト") << version;
        EXPECT_EQ(slot(56).type, AssignType::ProfileSwitch) << version;
        EXPECT_EQ(slot(56).targetName, "ソフト") << version;
    }
}

TEST_F(ProfileLoad, ConstructingFromAPathLoads) {
    const auto file = folder.write("Profile.cfg", "[General]\r\nFileVersion=74\r\nNumberOfJoysticks=3\r\n");
    const ConfigFile loaded(file, log);
    EXPECT_EQ(loaded.numberOfJoysticks(), 3);
    EXPECT_FALSE(loaded.modified);
}

}  // namespace
}  // namespace vrx
