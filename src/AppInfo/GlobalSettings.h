#pragma once

namespace vrx {

// The program-wide settings the engine reads every tick. They are changed on
// the user-interface thread only while the engine lock is held.
struct EngineSettings {
    bool skipForegroundProcessing = true;
    int ignoreInputAfterProfileSwitch = 0;  // ms; -1 until released once
    int ignoreInputAfterShiftSwitch = 0;    // ms; -1 until released once
    int turboMode = 0;                      // the tick is 16 ms shifted right by this
    float accelerationSharpness = 3.0f;
};

}  // namespace vrx
