#include "Joystick/TimerCallback.h"

#include <chrono>

#include "Joystick/EngineMutex.h"
#include "Joystick/ForegroundWindow.h"
#include "Joystick/Processing.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

// Ticks that take this long are worth a Debug line: at the fastest speed the
// whole callback has one millisecond.
constexpr long long kSlowTickMs = 2;

}  // namespace

void TimerCallback::operator()() {
    const int tick = tickCount_.fetch_add(1) + 1;
    // Decided once, so a Debug switch in the middle of a tick never reports
    // a duration that was not measured.
    const bool timed = links_.log.debugEnabled();
    const auto start = std::chrono::steady_clock::now();

    // The rumble has to stop on time even while processing is paused.
    links_.hooks.runVibrationCountdown();
    if (disabled()) return;
    // The timer thread never waits for the lock: when the user interface is
    // busy with the engine's data this tick is simply dropped.
    if (!links_.lock.tryEnter()) return;
    // Checked again under the lock: TimerDisable may have set the flag and
    // passed through the lock between the first look and the try, and it
    // promises that no tick runs once it has returned.
    if (!disabled()) runLocked(tick);
    links_.lock.leave();

    if (!timed) return;
    const long long ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    if (ms >= kSlowTickMs) links_.log.debugf("Timer callback %d took %d ms", tick, static_cast<int>(ms));
}

void TimerCallback::runLocked(int tick) {
    links_.engine.setTickCount(tick);
    // An open menu is the program's own modal state: re-detection and the
    // application link wait until it closes.
    if (!links_.hooks.menuOpen()) {
        if (links_.hooks.redetectRequested()) links_.hooks.detectJoysticks();
        trackForeground();
    }
    if (links_.devices.deviceCount() > 0) links_.engine.ProcessTick();
}

void TimerCallback::trackForeground() {
    const bool changed = foreground_.track(links_.foreground.foregroundWindow(), links_.hooks.mainWindow(),
                                           links_.windows, links_.log);
    links_.engine.setForeground(foreground_.window(), foreground_.changed(), foreground_.ownWindow());
    if (changed) links_.hooks.foregroundChanged(foreground_.path(), foreground_.title());
}

}  // namespace vrx
