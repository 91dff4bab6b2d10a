#pragma once

#include <atomic>

namespace vrx {

class Logger;
class XInputBackend;
struct ProfileSettings;

// The short rumble of the pad at XInput user index 0 that tells the user a
// profile switch happened. The main window starts it; the timer callback
// counts it down and stops it.
class Vibration {
public:
    Vibration(XInputBackend& pad, Logger& log) : pad_(pad), log_(log) {}

    // After a switch to profile: nothing while processing is suspended, or
    // when the profile asks for no speed or no time.
    void start(const ProfileSettings& profile, int turboMode, bool processingSuspended);
    // Once per timer callback, before the engine lock.
    void countdown();
    bool running() const { return ticksLeft_.load() > 0; }

private:
    XInputBackend& pad_;
    Logger& log_;
    // Written by both threads without a lock: a start racing the last tick
    // at worst stops the rumble a tick early or late.
    std::atomic<int> ticksLeft_{0};
};

}  // namespace vrx
