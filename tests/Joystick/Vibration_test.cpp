#include "Joystick/Vibration.h"

#include <gtest/gtest.h>

#include "ConfigFileManager/ProfileSettings.h"
#include "support/FakeXInput.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

struct Rumble {
    RecordingLogger log;
    FakeXInput library;
    XInputBackend pad{library, log};
    Vibration vibration{pad, log};
    ProfileSettings profile;

    Rumble() {
        pad.start();
        profile.vibrationSpeed1 = 100;
        profile.vibrationSpeed2 = 50;
        profile.vibrationDuration = 500;
    }
    // Ticks until the motors stop.
    int ticksToStop() {
        int ticks = 0;
        while (vibration.running()) {
            vibration.countdown();
            ++ticks;
        }
        return ticks;
    }
};

TEST(Vibration, RunsForTheDurationInTicksPlusOneAndStopsOnce) {
    Rumble r;
    r.vibration.start(r.profile, 0, false);
    EXPECT_TRUE(r.log.contains(LogLevel::Debug, "Vibration Enabled (speed = 65500 | 32750, for 32)"));
    EXPECT_EQ(r.ticksToStop(), 32);
    r.vibration.countdown();
    EXPECT_EQ(r.library.motorCommands, (Lines{"0:65500,32750", "0:0,0"}));

    r.vibration.start(r.profile, 2, false);
    EXPECT_EQ(r.ticksToStop(), 126);
}

TEST(Vibration, ANewStartRestartsTheCountdown) {
    Rumble r;
    r.vibration.start(r.profile, 0, false);
    for (int i = 0; i < 20; ++i) r.vibration.countdown();
    r.profile.vibrationSpeed1 = 10;
    r.vibration.start(r.profile, 0, false);
    EXPECT_EQ(r.ticksToStop(), 32);
    EXPECT_EQ(r.library.motorCommands, (Lines{"0:65500,32750", "0:6550,32750", "0:0,0"}));
}

TEST(Vibration, NothingToFeelNothingSent) {
    Rumble r;
    r.vibration.start(r.profile, 0, true);  // processing suspended
    r.profile.vibrationSpeed1 = r.profile.vibrationSpeed2 = 0;
    r.vibration.start(r.profile, 0, false);
    Rumble noTime;
    noTime.profile.vibrationDuration = 0;
    noTime.vibration.start(noTime.profile, 0, false);
    Rumble noMotors;
    noMotors.library.available.setState = false;
    noMotors.pad.start();
    noMotors.vibration.start(noMotors.profile, 0, false);
    EXPECT_FALSE(noMotors.vibration.running());
    for (Rumble* rumble : {&r, &noTime, &noMotors}) {
        EXPECT_TRUE(rumble->library.motorCommands.empty());
        EXPECT_FALSE(rumble->log.contains(LogLevel::Debug, "Vibration Disabled"));
    }
}

}  // namespace
}  // namespace vrx::test
