#pragma once

#include <string>
#include <vector>

#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/JoystickConfig.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/RecordingEventImpl.h"
#include "support/RecordingLogger.h"

namespace vrx::test {

// One joystick's slots driven tick by tick without devices: a test sets a
// slot's value each tick and reads what went out.
struct SlotFixture {
    RecordingLogger log{true};
    KeyRefCounts counts{};
    RecordingKeySenders senders;
    JoystickConfig config{0};
    TickContext tick{log, counts};

    explicit SlotFixture(int keySendMode = 1) { tick.keySender = senders.senderFor(keySendMode); }

    JoyButton& slot(int i) { return config.slot(i); }
    std::vector<std::string>& events() { return senders.record.lines; }
    std::vector<std::string> take() {
        auto lines = events();
        events().clear();
        return lines;
    }

    // One tick in which slot i sees value v (after the toggle filter).
    void run(int i, int v) {
        ++tick.tickCount;
        Process(slot(i), ToggleFilter(slot(i), v, tick), tick);
        tick.foregroundChanged = false;
    }
    // n ticks of the same value; returns the tick numbers (1-based within
    // the run) on which something went out, with what.
    std::vector<std::string> runFor(int i, int v, int n) {
        std::vector<std::string> out;
        for (int k = 1; k <= n; ++k) {
            run(i, v);
            for (auto& line : take()) out.push_back(std::to_string(k) + " " + line);
        }
        return out;
    }
};

inline JoyButton& keyboard(JoyButton& b, std::initializer_list<KeyCode> codes, float rate = 0.0f) {
    b.type = AssignType::Keyboard;
    int i = 0;
    for (KeyCode c : codes) b.keys[i++] = c;
    b.autoRepeatRate = rate;
    b.prepare();
    return b;
}

inline JoyButton& multi(JoyButton& b, SwitchMode mode, std::initializer_list<KeyCode> inputs) {
    b.type = AssignType::KeyboardMulti;
    b.switchMode = mode;
    int i = 0;
    for (KeyCode c : inputs) b.keys[4 * i++] = c;  // the first key of each input
    b.prepare();
    return b;
}

}  // namespace vrx::test
