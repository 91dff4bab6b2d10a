#include "Joystick/VirtualButtonInput.h"

#include "ConfigFileManager/ConfigFile.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joystick/EngineLinks.h"

namespace vrx {

void VirtualButtonInput::attach(int suppressed, int target, ConfigFile* profile, TimerControl& timer,
                                TickContext& tick) {
    suppressedJoystick_ = suppressed;
    timer.disable();
    if (profile && targetJoystick_ >= 0 && targetJoystick_ < profile->numberOfJoysticks()) {
        for (JoyButton& slot : profile->joystick(targetJoystick_)->slots()) ForceRelease(slot, tick);
    }
    clearButtons();
    targetJoystick_ = target;
    timer.enable();
}

}  // namespace vrx
