#include "Joystick/ProcessingTimer.h"

#include <algorithm>
#include <string>

#include "Joystick/EngineMutex.h"
#include "Joystick/TimerCallback.h"
#include "Joystick/TimerThread.h"
#include "Utils/Logger.h"

namespace vrx {

ProcessingTimer::ProcessingTimer(TimerCallback& callback, Logger& log) : callback_(callback), log_(log) {}

// The callback and the engine must not outlive a thread that calls them.
ProcessingTimer::~ProcessingTimer() {
    if (running()) TimerTerminate();
}

void ProcessingTimer::TimerInit(int turboMode) {
    if (running()) {
        log_.infoAt("TimerInit: Timer is already running - terminating it first");
        TimerTerminate();
    }
    // The settings keep it in range; outside it the period would be 0, a
    // timer that fires once and never again.
    turboMode = std::clamp(turboMode, 0, 4);
    const int periodMs = 16 >> turboMode;
    log_.infoAt("TimerInit: Initializing timer at " + std::to_string(periodMs) + " msec (with x" +
                std::to_string(1 << turboMode) + " speed mode)");
    thread_ = startTimerThread(periodMs, [this] { callback_(); }, log_);
    if (!thread_) return;
    callback_.setDisabled(false);
    log_.infoAt("TimerInit: Timer initialized");
}

void ProcessingTimer::TimerTerminate() {
    log_.infoAt("TimerTerminate: Terminating timer...");
    callback_.setDisabled(true);
    if (thread_) {
        thread_->requestExit();
        log_.debug("TimerTerminate: Waiting for timer thread to exit...");
        thread_->waitForExit();
        thread_.reset();
    }
    log_.infoAt("TimerTerminate: Timer terminated");
}

// Passing through the lock is what makes the pause certain: a tick that
// already held it has finished, and any later one sees the flag.
void ProcessingTimer::TimerDisable() {
    callback_.setDisabled(true);
    log_.debug("TimerDisable: SafeEnterCriticalSection");
    callback_.lock().enter();
    callback_.lock().leave();
    log_.debug("TimerDisable: LeaveCriticalSection");
    log_.debug("TimerDisable: Timer is disabled");
}

void ProcessingTimer::TimerEnable() {
    log_.debug("TimerEnable: SafeEnterCriticalSection");
    callback_.lock().enter();
    callback_.setDisabled(false);
    callback_.lock().leave();
    log_.debug("TimerEnable: LeaveCriticalSection");
    log_.debug("TimerEnable: Timer is enabled");
}

}  // namespace vrx
