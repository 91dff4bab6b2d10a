#pragma once

#include <atomic>
#include <string>

#include "Joystick/EngineLinks.h"
#include "Joystick/ForegroundTracking.h"

namespace vrx {

class ForegroundWindowSource;
class Logger;
class ProcessingEngine;
class ProcessingLock;

// What the timer callback needs from the parts of the program around the
// engine: the rumble that a profile switch starts, device re-detection, the
// main window and the application link. Everything here is called on the
// timer thread; values the user interface changes must be safe to read from
// there.
class TimerHooks {
public:
    virtual ~TimerHooks() = default;
    // Counts down the rumble started at a profile switch, once per tick,
    // also while processing is paused.
    virtual void runVibrationCountdown() = 0;
    // One of the program's menus is open: the foreground is not looked at
    // and devices are not re-detected until it closes.
    virtual bool menuOpen() const = 0;
    // A device change was reported and detection has not run since.
    virtual bool redetectRequested() const = 0;
    // Detection (not forced); called with the engine lock held.
    virtual void detectJoysticks() = 0;
    virtual WindowHandle mainWindow() const = 0;
    // Another window came to the front: the application link may choose a
    // profile for it. Called with the engine lock held.
    virtual void foregroundChanged(const std::string& path, const std::string& title) = 0;
};

struct TimerLinks {
    ProcessingEngine& engine;
    DevicePoller& devices;
    ProcessingLock& lock;
    const ForegroundWindowSource& foreground;
    const WindowInfoSource& windows;
    TimerHooks& hooks;
    Logger& log;
};

// One wake-up of the processing timer. The timer thread calls it once per
// period; the simulator and the tests call it tick by tick themselves.
class TimerCallback {
public:
    explicit TimerCallback(TimerLinks links) : links_(links) {}

    void operator()();

    // While disabled a call still counts the tick and runs the rumble
    // countdown, and does nothing else.
    void setDisabled(bool disabled) { disabled_.store(disabled); }
    bool disabled() const { return disabled_.load(); }
    // Every call counts, including those that stopped early; the engine sees
    // the count of the last tick that ran.
    int tickCount() const { return tickCount_.load(); }
    ProcessingLock& lock() { return links_.lock; }

private:
    void runLocked(int tick);
    void trackForeground();

    TimerLinks links_;
    // The user interface writes this while the timer thread reads it.
    std::atomic<bool> disabled_{false};
    std::atomic<int> tickCount_{0};
    ForegroundTracker foreground_;
};

}  // namespace vrx
