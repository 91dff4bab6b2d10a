#include "AppLink/AppLinkManager.h"
#include "Joystick/EngineLinks.h"
#include "Main/MainForm.h"
#include "Main/ShellCommands.h"
#include "Utils/Logger.h"

// The commands model, part: suspending the application link and the
// joystick processing, and what must keep a suspended processing suspended
// (re-detection, a restarted timer).

namespace vrx {

void ShellCommands::MMDisableAppLinkClick() { parts_.appLink.toggleSuspended(); }

void ShellCommands::MMDisableJoystickClick() {
    joystickSuspended_ = !joystickSuspended_;
    if (joystickSuspended_) {
        parts_.log.info("Disabling joystick processing temporarily");
        parts_.timer.disable();
    } else {
        parts_.log.info("Enabling joystick processing");
        parts_.timer.enable();
    }
    parts_.form.setProcessingSuspended(joystickSuspended_);
}

void ShellCommands::redetect(bool force) {
    parts_.timer.disable();
    parts_.detection.detect(force);
    if (!joystickSuspended_) parts_.timer.enable();
}

void ShellCommands::btnDetectClick() { redetect(true); }

void ShellCommands::startProcessing() {
    parts_.theme.initProcessing();
    if (joystickSuspended_) parts_.timer.disable();
}

}  // namespace vrx
