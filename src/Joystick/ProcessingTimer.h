#pragma once

#include <memory>

#include "Joystick/EngineLinks.h"

namespace vrx {

class Logger;
class TimerCallback;
class TimerThread;

// Starts, stops, pauses and resumes the thread that runs the timer callback.
// All of it is called from the user-interface thread.
class ProcessingTimer final : public TimerControl {
public:
    ProcessingTimer(TimerCallback& callback, Logger& log);
    ~ProcessingTimer() override;
    ProcessingTimer(const ProcessingTimer&) = delete;
    ProcessingTimer& operator=(const ProcessingTimer&) = delete;

    // Starts the thread at a period of 16 ms halved turboMode times (0 to 4),
    // stopping a running one first. On failure no timer runs and the pause
    // state stays as it was.
    void TimerInit(int turboMode);
    // Stops the thread and leaves processing disabled; returns only after
    // the thread has ended.
    void TimerTerminate();
    // Pauses processing; once it returns, a tick that was running has left
    // the engine lock and no further tick runs until TimerEnable.
    void TimerDisable();
    void TimerEnable();

    bool running() const { return thread_ != nullptr; }

    void disable() override { TimerDisable(); }
    void enable() override { TimerEnable(); }

private:
    TimerCallback& callback_;
    Logger& log_;
    std::unique_ptr<TimerThread> thread_;
};

}  // namespace vrx
