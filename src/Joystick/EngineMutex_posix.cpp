#include <mutex>
#include <utility>

#include "Joystick/EngineMutex.h"

namespace vrx {

struct EngineMutex::Native {
    std::recursive_mutex mutex;
};

EngineMutex::EngineMutex(Logger& log, std::function<void()> pumpMessages)
    : log_(log), pumpMessages_(std::move(pumpMessages)), native_(std::make_unique<Native>()) {}

EngineMutex::~EngineMutex() = default;

void EngineMutex::leave() { native_->mutex.unlock(); }

bool EngineMutex::tryEnter() { return native_->mutex.try_lock(); }

}  // namespace vrx
