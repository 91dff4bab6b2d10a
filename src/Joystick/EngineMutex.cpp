#include "Joystick/EngineMutex.h"

#include <chrono>
#include <thread>

#include "Utils/Logger.h"

namespace vrx {

// SafeEnterCriticalSection. A plain blocking enter could deadlock: the tick
// holding the lock may be waiting for this very thread to answer a message
// (the message key sender), so this thread answers while it waits.
void EngineMutex::enter() {
    while (!tryEnter()) {
        log_.debug("SafeEnterCriticalSection: retrying...");
        pumpMessages_();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace vrx
