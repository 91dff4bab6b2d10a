#include "Main/ProfileSwitchNotice.h"

#include <gtest/gtest.h>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFile.h"
#include "Joystick/Vibration.h"
#include "Utils/PathText.h"
#include "support/FakeXInput.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

struct Sounds final : SoundRequests {
    Lines played;
    void PlaySoundFile(const std::string& path) override { played.push_back(path); }
};

struct Notice {
    RecordingLogger log;
    TempFolder data;
    FakeXInput library;
    XInputBackend pad{library, log};
    Vibration vibration{pad, log};
    Sounds sounds;
    GlobalSettings settings;
    ProfileSwitchNotice notice{vibration, sounds, settings, data.path(), log};
    ConfigFile profile;

    Notice() { pad.start(); }
};

TEST(ProfileSwitchNotice, PlaysTheProfilesSoundOrElseTheProgramsOne) {
    Notice n;
    n.data.write("switch.wav", "RIFF");
    n.data.write("mine.wav", "RIFF");
    n.settings.notifySoundFile = "switch.wav";
    n.notice.announce(n.profile, false);
    n.profile.settings.soundFile = "mine.wav";
    n.notice.announce(n.profile, false);
    EXPECT_EQ(n.sounds.played, (Lines{pathToUtf8(n.data / "switch.wav"), pathToUtf8(n.data / "mine.wav")}));
    EXPECT_TRUE(n.log.contains(LogLevel::Info, "Playing a sound file: " + pathToUtf8(n.data / "mine.wav")));
}

TEST(ProfileSwitchNotice, AMissingSoundIsReportedAndStopsTheOneBefore) {
    Notice n;
    n.profile.settings.soundFile = "gone.wav";
    n.notice.announce(n.profile, false);
    EXPECT_EQ(n.sounds.played, (Lines{""}));
    EXPECT_EQ(n.log.texts(LogLevel::Error),
              (Lines{"Warning: failed to find a sound file: " + pathToUtf8(n.data / "gone.wav")}));

    Notice silent;
    silent.notice.announce(silent.profile, false);
    EXPECT_TRUE(silent.sounds.played.empty());
}

TEST(ProfileSwitchNotice, RumblesUnlessProcessingIsSuspended) {
    Notice n;
    n.profile.settings.vibrationSpeed1 = 50;
    n.profile.settings.vibrationDuration = 100;
    n.notice.announce(n.profile, true);
    EXPECT_TRUE(n.library.motorCommands.empty());
    n.notice.announce(n.profile, false);
    EXPECT_EQ(n.library.motorCommands, (Lines{"0:32750,0"}));
}

}  // namespace
}  // namespace vrx::test
