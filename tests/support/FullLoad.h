#pragma once

#include "support/EngineHarness.h"

namespace vrx::test {

// The heaviest profile the engine can meet: every joystick, every button,
// every slot assigned and every input fully on.
inline void loadEverything(EngineHarness& h, int joysticks, int buttons) {
    h.senders.record.keepLines = false;
    h.profile.setNumberOfJoysticks(joysticks);
    h.profile.settings.numberOfButtons = buttons;
    for (int n = 0; n < joysticks; ++n) {
        auto& device = h.devices.add();
        device.state.axes.fill(1000);
        device.state.povs.fill(4500);
        device.state.buttons.fill(true);
        for (JoyButton& slot : h.profile.joystick(n)->slots()) {
            slot.type = AssignType::Keyboard;
            slot.keys[0] = 0x41 + static_cast<KeyCode>(slot.slotIndex % 26);
            slot.prepare();
        }
    }
}

}  // namespace vrx::test
