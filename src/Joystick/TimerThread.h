#pragma once

#include <functional>
#include <memory>

namespace vrx {

class Logger;

// The thread that wakes the timer callback once per period. It exits only
// when asked; its handles are released only after it has ended.
class TimerThread {
public:
    virtual ~TimerThread() = default;
    // No wake-up after this; a callback in progress runs to its end.
    virtual void requestExit() = 0;
    // Returns once the thread has ended, however long that takes, keeping
    // the calling thread's windows answering meanwhile.
    virtual void waitForExit() = 0;
};

// Starts the thread, whose first call of onTick comes one period from now.
// Null when the system refused something; each failure is logged.
std::unique_ptr<TimerThread> startTimerThread(int periodMs, std::function<void()> onTick, Logger& log);

}  // namespace vrx
