#include <gtest/gtest.h>

#include <string>

#include "ConfigFileManager/ConfigFile.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/IniFile.h"
#include "Utils/PathText.h"
#include "support/FaultyFiles.h"
#include "support/ProfileSamples.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx {
namespace {

using test::FaultyFiles;

const std::string kBom = "\xEF\xBB\xBF";

class ProfileSave : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder / "Profile.cfg"; }
    std::string saved() const { return test::readBytes(file()); }
    IniFile savedIni() const { return IniFile::load(file()); }

    test::TempFolder folder;
    test::RecordingLogger log;
};

TEST_F(ProfileSave, ANewProfileIsWrittenInTheCurrentFormat) {
    ConfigFile profile;
    profile.joystick(1)->slot(56).type = AssignType::Keyboard;
    profile.joystick(1)->slot(56).keys[0] = 0x41;
    profile.saveTo(file(), log);
    EXPECT_FALSE(profile.modified);
    EXPECT_EQ(saved(), kBom +
                           "[General]\r\n"
                           "FileVersion=74\r\n"
                           "NumberOfJoysticks=2\r\n"
                           "NumberOfButtons=32\r\n"
                           "DisplayMode=2\r\n"
                           "UseDiagonalInput=0\r\n"
                           "UseDiagonalInput2=0\r\n"
                           "UsePOV8Way=0\r\n"
                           "RepeatSameKeyInSequence=0\r\n"
                           "Threshold=20\r\n"
                           "Threshold2=20\r\n"
                           "KeySendMode=0\r\n"
                           "SoundFile=\r\n"
                           "ImageFile=\r\n"
                           "VibrationSpeed1=0\r\n"
                           "VibrationSpeed2=0\r\n"
                           "VibrationDuration=0\r\n"
                           "\r\n"
                           "[Joystick 1]\r\n"
                           "DefaultDisplayName=\r\n"
                           "DefaultTemplateId=\r\n"
                           "\r\n"
                           "[Joystick 2]\r\n"
                           "DefaultDisplayName=\r\n"
                           "DefaultTemplateId=\r\n"
                           "Button01=1, 41:00:00:00, 0.000, 0, 0\r\n");
    EXPECT_TRUE(log.contains(LogLevel::Debug, "Saving ConfigFile \"" + pathToUtf8(file()) + "\""));
}

TEST_F(ProfileSave, SavingAndLoadingReproducesAProfileThatDiffersEverywhere) {
    ConfigFile original;
    test::fillEverything(original, 3, kButtonCount);
    original.saveTo(file(), log);
    const std::string firstSave = saved();

    ConfigFile loaded(file(), log);
    EXPECT_EQ(test::firstDifference(original, loaded), "");
    EXPECT_TRUE(log.texts(LogLevel::Error).empty());
    // Saved again unchanged, the file stays byte for byte the same.
    loaded.saveTo(file(), log);
    EXPECT_EQ(saved(), firstSave);
}

TEST_F(ProfileSave, EverythingTheProfileDoesNotOwnStaysInTheFile) {
    folder.write("Profile.cfg",
                 "; my favourite profile\r\n"
                 "[General]\r\n"
                 "FileVersion=74\r\n"
                 "NumberOfJoysticks=5\r\n"
                 "NumberOfButtons=4\r\n"
                 "LaterSetting = 42\r\n"
                 "[Notes]\r\n"
                 "Text=for the racing game\r\n"
                 "[Joystick 1]\r\n"
                 "Button01=1, 41:00:00:00, 0.000, 0, 0\r\n"
                 "Button02=1, 42:00:00:00, 0.000, 0, 0\r\n"
                 "Button05=1, 45:00:00:00, 0.000, 0, 0\r\n"
                 "Extra=kept\r\n"
                 "[Joystick 5]\r\n"
                 "Button01=1, 43:00:00:00, 0.000, 0, 0\r\n");
    ConfigFile profile(file(), log);
    profile.joystick(0)->slot(57).reset();  // cleared slots lose their key
    profile.setNumberOfJoysticks(4);
    profile.saveTo(file(), log);

    const IniFile ini = savedIni();
    EXPECT_TRUE(saved().starts_with(kBom + "; my favourite profile\r\n[General]\r\nFileVersion=74\r\n"));
    EXPECT_EQ(ini.readString("General", "LaterSetting"), "42");
    EXPECT_EQ(ini.readString("Notes", "Text"), "for the racing game");
    EXPECT_EQ(ini.readString("Joystick 1", "Button01"), "1, 41:00:00:00, 0.000, 0, 0");
    EXPECT_FALSE(ini.find("Joystick 1", "Button02"));
    EXPECT_EQ(ini.readString("Joystick 1", "Button05"), "1, 45:00:00:00, 0.000, 0, 0");  // above the button count
    EXPECT_EQ(ini.readString("Joystick 1", "Extra"), "kept");
    EXPECT_EQ(ini.readString("Joystick 5", "Button01"), "1, 43:00:00:00, 0.000, 0, 0");  // above the joystick count
    EXPECT_EQ(ini.readInteger("General", "NumberOfJoysticks", 0), 4);
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"General", "Notes", "Joystick 1", "Joystick 5",
                                                        "Joystick 2", "Joystick 3", "Joystick 4"}));
}

TEST_F(ProfileSave, SlotsWhoseLineWouldSayNothingHaveNoKey) {
    folder.write("Profile.cfg",
                 "[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\n"
                 "[Joystick 1]\r\nButton01=42\r\nButton02=42  ##kept for its comment\r\nButton03=0\r\n");
    ConfigFile profile(file(), log);
    profile.saveTo(file(), log);
    const IniFile ini = savedIni();
    EXPECT_FALSE(ini.find("Joystick 1", "Button01"));
    EXPECT_EQ(ini.readString("Joystick 1", "Button02"), "0  ##kept for its comment");
    EXPECT_FALSE(ini.find("Joystick 1", "Button03"));
}

TEST_F(ProfileSave, NeutralAliasEntriesAreNotStored) {
    folder.write("Profile.cfg",
                 "[General]\r\nFileVersion=74\r\nNumberOfButtons=2\r\n"
                 "[ButtonAlias]\r\nInput17=18, -1, -1\r\nButton01=57, 58, -1\r\nButton03=1, 2, 3\r\n");
    ConfigFile profile(file(), log);
    profile.buttonAlias.set(16, ButtonAliasTable::neutral(16));
    profile.buttonAlias.set(57, {57, 56, 60});
    profile.saveTo(file(), log);
    const IniFile ini = savedIni();
    EXPECT_EQ(ini.keys("ButtonAlias"), (std::vector<std::string>{"Button01", "Button03", "Button02"}));
    EXPECT_EQ(ini.readString("ButtonAlias", "Button02"), "57, 56, 60");
}

TEST_F(ProfileSave, AnOldAnsiFileIsRewrittenInUtf8) {
    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_NE(cp932, nullptr);
    // 表示 in a foreign key, ソフト in a profile name of a version-49 line.
    folder.write("Profile.cfg",
                 "[General]\r\nFileVersion=49\r\nNumberOfJoysticks=1\r\nMemo=\x95\x5C\x8E\xA6\r\n"
                 "[Joystick 1]\r\nButton01=6, \"\x83\x5C\x83\x74\x83\x67\"\r\n");
    ConfigFile profile(file(), log, *cp932);
    profile.saveTo(file(), log, localFiles(), *cp932);
    const IniFile ini = savedIni();
    EXPECT_EQ(ini.readString("General", "Memo"), "表示");
    EXPECT_EQ(ini.readString("Joystick 1", "Button01"), "6, \"ソフト\", 0");
}

class FailedProfileSave : public ProfileSave, public ::testing::WithParamInterface<FaultyFiles::Fault> {};

TEST_P(FailedProfileSave, KeepsThePreviousFileAndTheModifiedFlagAndReportsTheError) {
    const std::string previous = kBom + "[General]\r\nFileVersion=74\r\nNumberOfJoysticks=1\r\n";
    folder.write("Profile.cfg", previous);
    ConfigFile profile;
    test::fillEverything(profile, 2, 32);
    FaultyFiles files;
    files.fault = GetParam();
    EXPECT_THROW(profile.saveTo(file(), log, files), std::filesystem::filesystem_error);
    EXPECT_TRUE(profile.modified);
    EXPECT_EQ(saved(), previous);
    EXPECT_EQ(folder.listing(), "Profile.cfg");
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedProfileSave,
                         ::testing::Values(FaultyFiles::Fault::Read, FaultyFiles::Fault::Write,
                                           FaultyFiles::Fault::PartialWrite, FaultyFiles::Fault::Replace));

}  // namespace
}  // namespace vrx
