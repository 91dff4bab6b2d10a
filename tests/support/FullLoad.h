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

// The load no tick can leave out: every slot of every joystick assigned and
// every input changing in every tick (changeEveryInput). The stick
// directions and diagonals move the mouse; every other slot types a key with
// an auto-repeat of one tick's phase, so a hat direction held while the hat
// turns repeats.
inline void loadWorstCase(EngineHarness& h) {
    h.senders.record.keepLines = false;
    h.profile.setNumberOfJoysticks(kMaxJoysticks);
    h.profile.settings.numberOfButtons = kButtonCount;
    for (int n = 0; n < kMaxJoysticks; ++n) {
        h.devices.add();
        for (JoyButton& slot : h.profile.joystick(n)->slots()) {
            const SlotIndex index = slot.slotIndex;
            const bool stick = index < axisSlot(4, false) || (index >= kFirstDiagonalSlot && index < kFirstButtonSlot);
            if (stick) {
                slot.type = AssignType::Mouse;
                slot.mouseMoveX = index % 2 == 0 ? -40 : 40;
                slot.mouseMoveY = index % 4 < 2 ? -30 : 30;
            } else {
                slot.type = AssignType::Keyboard;
                slot.keys[0] = 0x41 + static_cast<KeyCode>(index % 26);
                slot.autoRepeatRate = 60.0f;
            }
            slot.prepare();
        }
    }
}

// The input of tick t: the sticks sweep from end to end and back, each
// joystick and axis at its own point of the sweep; the other axes swing
// from one end to the other; the hats turn by an eighth; every button is
// pressed on even ticks and released on odd ones.
inline void changeEveryInput(EngineHarness& h, int t) {
    const auto sweep = [](int x) {
        const int m = x % 4000;
        return m < 2000 ? m - 1000 : 3000 - m;
    };
    for (size_t d = 0; d < h.devices.devices.size(); ++d) {
        GenericDeviceState& state = h.devices.devices[d].state;
        for (int a = 0; a < 4; ++a) state.axes[a] = sweep(t * 40 + a * 1000 + static_cast<int>(d) * 70);
        for (int a = 4; a < kAxisCount; ++a) state.axes[a] = t % 2 == 0 ? kFullValue : -kFullValue;
        for (int p = 0; p < kPovCount; ++p) state.povs[p] = static_cast<uint32_t>((t + p) % 8) * 4500;
        state.buttons.fill(t % 2 == 0);
    }
}

}  // namespace vrx::test
