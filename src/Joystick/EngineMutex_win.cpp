#include <windows.h>

#include <utility>

#include "Joystick/EngineMutex.h"

namespace vrx {

// A critical section is re-entrant for its owning thread, which the timer
// needs: a profile switch started inside the tick takes the lock again.
struct EngineMutex::Native {
    Native() { InitializeCriticalSection(&section); }
    ~Native() { DeleteCriticalSection(&section); }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    CRITICAL_SECTION section;
};

EngineMutex::EngineMutex(Logger& log, std::function<void()> pumpMessages)
    : log_(log), pumpMessages_(std::move(pumpMessages)), native_(std::make_unique<Native>()) {}

EngineMutex::~EngineMutex() = default;

void EngineMutex::leave() { LeaveCriticalSection(&native_->section); }

// https://learn.microsoft.com/windows/win32/api/synchapi/nf-synchapi-tryentercriticalsection
bool EngineMutex::tryEnter() { return TryEnterCriticalSection(&native_->section) != 0; }

}  // namespace vrx
