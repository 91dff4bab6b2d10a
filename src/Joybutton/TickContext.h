#pragma once

namespace vrx {

class JoyButton;
class Logger;

// What a slot's behaviour needs to know of the tick it runs in.
struct TickContext {
    explicit TickContext(Logger& logger) : log(&logger) {}

    Logger* log;
    int tickCount = 0;
    int turboMode = 0;
    bool foregroundChanged = false;
    // A ProfileSwitch slot that asked for its profile in this tick.
    JoyButton* pendingProfileSwitch = nullptr;
};

}  // namespace vrx
