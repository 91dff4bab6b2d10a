#include "Joystick/Vibration.h"

#include <cstdint>

#include "ConfigFileManager/ProfileSettings.h"
#include "Joystick/ProcessingXI.h"
#include "Utils/Logger.h"

namespace vrx {

void Vibration::start(const ProfileSettings& profile, int turboMode, bool processingSuspended) {
    if (processingSuspended || profile.vibrationDuration <= 0) return;
    if (profile.vibrationSpeed1 <= 0 && profile.vibrationSpeed2 <= 0) return;
    if (!pad_.canVibrate()) return;
    // 100 % is 65500; a file's larger percentage wraps as the motor's 16 bits do.
    const auto left = static_cast<uint16_t>(profile.vibrationSpeed1 * 655);
    const auto right = static_cast<uint16_t>(profile.vibrationSpeed2 * 655);
    pad_.setMotors(left, right);
    const int ticks = (profile.vibrationDuration << turboMode) / 16 + 1;
    ticksLeft_.store(ticks);
    log_.debugf("Vibration Enabled (speed = %d | %d, for %d)", left, right, ticks);
}

void Vibration::countdown() {
    const int left = ticksLeft_.load();
    if (left <= 0) return;
    ticksLeft_.store(left - 1);
    if (left - 1 > 0 || !pad_.canVibrate()) return;
    pad_.setMotors(0, 0);
    log_.debug("Vibration Disabled");
}

}  // namespace vrx
