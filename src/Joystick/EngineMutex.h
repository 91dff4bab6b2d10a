#pragma once

#include <functional>
#include <memory>

#include "EngineTypes/EngineLock.h"

namespace vrx {

class Logger;

// The engine lock with the timer thread's way in: the timer only ever tries
// it, so a busy lock costs one tick and never stalls the thread that injects
// the keys.
class ProcessingLock : public EngineLock {
public:
    // Takes the lock when it is free or already held by this thread.
    virtual bool tryEnter() = 0;
};

// The real engine lock, re-entrant on both sides. Its user-interface entry
// (SafeEnterCriticalSection) never blocks the thread outright: it keeps the
// message queue moving between attempts, so a timer thread that waits for a
// window of the program can finish the tick that holds the lock.
class EngineMutex final : public ProcessingLock {
public:
    // pumpMessages lets the calling thread's user interface work through its
    // pending messages while it waits.
    explicit EngineMutex(Logger& log, std::function<void()> pumpMessages);
    ~EngineMutex() override;
    EngineMutex(const EngineMutex&) = delete;
    EngineMutex& operator=(const EngineMutex&) = delete;

    void enter() override;
    void leave() override;
    bool tryEnter() override;

private:
    struct Native;

    Logger& log_;
    std::function<void()> pumpMessages_;
    std::unique_ptr<Native> native_;
};

}  // namespace vrx
