#pragma once

#include <array>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ProfileListLinks.h"
#include "EngineTypes/JoystickSnapshot.h"
#include "Joybutton/TickContext.h"
#include "Joystick/EngineLinks.h"
#include "Joystick/IdleJoysticks.h"
#include "Joystick/PressedState.h"
#include "Joystick/SlotKinds.h"
#include "Joystick/VirtualButtonInput.h"

namespace vrx {

class AbstractEvent;
class ConfigFile;
class JoystickConfig;
class KeySenderSet;
class Logger;

// Everything the engine reaches outside itself.
struct EngineLinks {
    ProfileHost& profiles;
    const EngineSettings& settings;
    DevicePoller& devices;
    KeySenderSet& senders;
    UserInterfaceLink& ui;
    Logger& log;
};

// The input processing engine: the state that lives for the whole run and
// the tick that turns controller state into assignment calls. The timer
// thread runs it with the engine lock held.
class ProcessingEngine final : public ProfileEngine {
public:
    explicit ProcessingEngine(EngineLinks links);

    // One tick: poll, remap, track presses, shift, filter and dispatch every
    // active slot of every logical joystick of the profile in force.
    void ProcessTick();

    // Kept by the timer callback before each tick.
    int tickCount() const { return tick_.tickCount; }
    void setTickCount(int count) { tick_.tickCount = count; }
    void setForeground(WindowHandle window, bool changed, bool ownWindow);
    // The foreground window of the latest tick; keys sent as messages go there.
    WindowHandle foregroundWindow() const { return foregroundWindow_; }

    void ReleaseProfile(ConfigFile& profile) override;
    void ResetShiftTracking(ConfigFile& profile) override;

    VirtualButtonInput& virtualInput() { return virtualInput_; }
    const PressedStateMemory& pressedState() const { return pressed_; }
    PressedStateMemory& pressedState() { return pressed_; }
    AbstractEvent* keySender() const { return tick_.keySender; }
    const KeyRefCounts& keyRefCount() const { return keyRefCount_; }
    TickContext& tickContext() { return tick_; }

private:
    bool outputSuppressed(bool deviceDialogForeground) const;
    void chooseKeySender(const ConfigFile& profile);
    void processVirtualInput(ConfigFile& profile, std::array<bool, kMaxJoysticks>& processed);
    bool processJoystick(ConfigFile& profile, int n, bool suppress, std::array<bool, kMaxJoysticks>& processed,
                         bool& axisMoved);
    void requestPendingSwitch();

    EngineLinks links_;
    KeyRefCounts keyRefCount_{};
    TickContext tick_;
    WindowHandle foregroundWindow_ = 0;
    bool ownWindowForeground_ = false;
    const ConfigFile* lastTickProfile_ = nullptr;
    std::array<JoystickConfig*, kMaxJoysticks> lastJoystickConfig_{};
    PressedStateMemory pressed_;
    IdleJoysticks idle_;
    SlotKindCache kinds_;
    VirtualButtonInput virtualInput_;
    // Working data of one tick, kept here so a tick touches no fresh memory.
    JoystickSnapshot in_;
    SlotValues out_{};
};

}  // namespace vrx
