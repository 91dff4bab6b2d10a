#pragma once

#include <array>

#include "Joybutton/SlotServices.h"

namespace vrx {

class AbstractEvent;
class JoyButton;
class Logger;

// How many holders each key code below 0x400 has; a key goes down with its
// first holder and up with its last. It lives for the whole run.
using KeyRefCounts = std::array<int, 0x400>;

// What a slot's behaviour needs to know of the tick it runs in and where its
// output goes.
struct TickContext {
    TickContext(Logger& logger, KeyRefCounts& counts) : log(&logger), keyRefCount(&counts) {}

    Logger* log;
    KeyRefCounts* keyRefCount;
    // The sender chosen by the profile's key send mode; none before the first
    // profile with a valid mode, and then key output does nothing.
    AbstractEvent* keySender = nullptr;
    // The profile's RepeatSameKeyInSequence: every press and release goes out
    // and shared keys are released and pressed again between inputs.
    bool repeatSameKeyInSequence = false;
    int tickCount = 0;
    int turboMode = 0;
    bool foregroundChanged = false;
    // A ProfileSwitch slot that asked for its profile in this tick.
    JoyButton* pendingProfileSwitch = nullptr;
    SlotServices services;
};

}  // namespace vrx
