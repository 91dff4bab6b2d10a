#include "Joystick/Processing.h"

#include <algorithm>
#include <string>

#include "ConfigFileManager/ConfigFile.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joystick/AnalogPreparation.h"
#include "Joystick/ShiftRules.h"
#include "Utils/EventImpl.h"
#include "Utils/Logger.h"

namespace vrx {

ProcessingEngine::ProcessingEngine(EngineLinks links) : links_(links), tick_(links.log, keyRefCount_) {}

void ProcessingEngine::setForeground(WindowHandle window, bool changed, bool ownWindow) {
    foregroundWindow_ = window;
    tick_.foregroundChanged = changed;
    ownWindowForeground_ = ownWindow;
}

void ProcessingEngine::ReleaseProfile(ConfigFile& profile) {
    for (int n = 0; n < kMaxJoysticks; ++n)
        if (JoystickConfig* joystick = profile.joystick(n))
            for (JoyButton& slot : joystick->slots()) ForceRelease(slot, tick_);
    virtualInput_.clearButtons();
}

void ProcessingEngine::ResetShiftTracking(ConfigFile& profile) {
    for (int n = 0; n < kMaxJoysticks; ++n)
        lastJoystickConfig_[n] = n < profile.numberOfJoysticks() ? profile.joystick(n) : nullptr;
}

void ProcessingEngine::ProcessTick() {
    ConfigFile* profile = links_.profiles.currentProfile();
    if (!profile) return;
    tick_.pendingProfileSwitch = nullptr;
    tick_.turboMode = links_.settings.turboMode;

    const bool deviceDialogForeground = foregroundWindow_ != 0 && links_.ui.isDeviceDialog(foregroundWindow_);
    const bool suppress = outputSuppressed(deviceDialogForeground);

    bool axisMoved = false;
    chooseKeySender(*profile);

    std::array<bool, kMaxJoysticks> processed{};
    processVirtualInput(*profile, processed);

    if (profile->numberOfJoysticks() >= 1) {
        bool anyChange = false;
        for (int n = 0; n < profile->numberOfJoysticks(); ++n)
            anyChange |= processJoystick(*profile, n, suppress, processed, axisMoved);
        if (anyChange && ownWindowForeground_) links_.ui.postRefreshHighlight();
    }
    lastTickProfile_ = profile;

    if (axisMoved && deviceDialogForeground) links_.ui.postDeviceDialogRedraw();
    requestPendingSwitch();
}

// While the user works in the program's own window, or in the device dialog,
// controller input must not type into it; presses are still tracked so the
// window can show them.
bool ProcessingEngine::outputSuppressed(bool deviceDialogForeground) const {
    if (ownWindowForeground_ && links_.settings.skipForegroundProcessing && links_.ui.windowShown()) return true;
    return deviceDialogForeground;
}

void ProcessingEngine::chooseKeySender(const ConfigFile& profile) {
    if (AbstractEvent* sender = links_.senders.senderFor(profile.settings.keySendMode)) tick_.keySender = sender;
    tick_.repeatSameKeyInSequence = profile.settings.repeatSameKeyInSequence;
}

// Virtual presses go straight to the target's button slots: no remapping,
// no pressed-state tracking, no suppression, no ignore counters, no toggles.
void ProcessingEngine::processVirtualInput(ConfigFile& profile, std::array<bool, kMaxJoysticks>& processed) {
    const int count = profile.numberOfJoysticks();
    const int target = virtualInput_.targetJoystick();
    if (target < 0 || target >= count) return;
    const int suppressed = virtualInput_.suppressedJoystick();
    if (suppressed >= 0 && suppressed < count) processed[suppressed] = true;
    JoystickConfig& config = *profile.joystick(target);
    idle_.forget(config);
    for (int b = 0; b < profile.settings.numberOfButtons; ++b)
        Process(config.slot(buttonSlot(b)), virtualInput_.query(b) ? kFullValue : 0, tick_);
}

// Returns whether a slot's pressed state changed.
bool ProcessingEngine::processJoystick(ConfigFile& profile, int n, bool suppress,
                                       std::array<bool, kMaxJoysticks>& processed, bool& axisMoved) {
    const int device = links_.devices.deviceFor(n);
    if (device < 0 || device >= links_.devices.deviceCount()) return false;

    const int activeSlots = profile.activeSlotCount();
    in_.clearForPoll(activeSlots);
    in_.axisMoved = false;
    const int result = links_.devices.poll(device, profile.settings, in_);
    axisMoved |= in_.axisMoved;
    if (result != kPollOk) return false;

    // A joystick that a shift or the virtual input has already claimed in
    // this tick gives up its own input.
    if (processed[n]) return false;
    processed[n] = true;

    profile.buttonAlias.remap(in_.slotValue, out_, activeSlots);
    const bool changed = pressed_.update(n, out_, activeSlots, profile.settings.threshold, tick_.tickCount);
    if (suppress) return changed;

    JoystickConfig& own = *profile.joystick(n);
    // Idle slots keep the input with the joystick's own configuration; with
    // the profile of the previous tick and no shift to undo, nothing else
    // would happen to this joystick in this tick.
    if (lastTickProfile_ == &profile && (!lastJoystickConfig_[n] || lastJoystickConfig_[n] == &own) &&
        idle_.idle(own, out_, activeSlots))
        return changed;
    // The rest of the tick may change the slots of both configurations.
    idle_.forget(own);
    if (lastTickProfile_ != &profile)
        applyProfileSwitchInputRule(own, out_, activeSlots, links_.settings, *tick_.log);

    JoystickConfig& target = resolveShift(profile, n, out_, pressed_, processed, kinds_, tick_);
    idle_.forget(target);
    if (lastJoystickConfig_[n] && lastJoystickConfig_[n] != &target) {
        applyShiftChange(*lastJoystickConfig_[n], target, n, out_, activeSlots, links_.settings, tick_);
        lastJoystickConfig_[n] = &target;
    }

    // Values are filtered before anything reads them. The analog preparation
    // reads the axes' values, or every value when it scales them; and a slot
    // that triggers others changes their filters as it runs, which must only
    // tell in the next tick. Otherwise each value is filtered as its slot runs.
    const SlotKinds kinds = kinds_.kindsOf(target);
    const int filtered = kinds.scalesAnalog || kinds.triggers ? activeSlots : std::min(activeSlots, kFirstPovSlot);
    for (int j = 0; j < filtered; ++j) out_[j] = FilterInput(target.slot(j), out_[j], tick_);
    PrepareAnalog(target, out_, in_.axisValue, activeSlots, kinds.scalesAnalog, links_.settings, tick_);
    ProcessSlots(target, out_, activeSlots, filtered, tick_);
    return changed;
}

void ProcessingEngine::requestPendingSwitch() {
    if (!tick_.pendingProfileSwitch) return;
    // The switch replaces the profile that owns the requesting slot, so the
    // name must not be read from the slot once the switch has begun.
    const std::string name = tick_.pendingProfileSwitch->targetName;
    tick_.pendingProfileSwitch = nullptr;
    links_.log.infof("Switching to profile: %s", name.c_str());
    links_.profiles.switchToName(name);
}

}  // namespace vrx
