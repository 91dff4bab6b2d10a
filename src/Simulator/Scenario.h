#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrx {

// One line of a scenario: what happens, and before the poll of which tick.
struct ScenarioCommand {
    enum class Kind {
        Set,             // text = ini key, argument = its value as in the file
        Device,          // joystick; value 0 generic, 1 xinput
        Button,          // joystick, index 0..127, value 1 down / 0 up
        Axis,            // joystick, index 0..7, value -1000..1000
        Pov,             // joystick, index 0..3, value as the device reports it (hundredths of a degree; kPovCentred)
        XButton,         // joystick, value = the button's bit
        XTrigger,        // joystick, index 0 left / 1 right, value 0..255
        XThumb,          // joystick, index 0 LX, 1 LY, 2 RX, 3 RY, value -32768..32767
        Foreground,      // text = executable path, argument = title
        VirtualAttach,   // joystick = suppressed, index = target (both 0-based, unchecked)
        VirtualPress,    // index = button (0-based, unchecked)
        VirtualRelease,  // index = button
        End,
    };
    static constexpr int64_t kPovCentred = 0xFFFFFFFF;

    int tick = 0;
    int line = 0;
    Kind kind = Kind::End;
    int joystick = 0;  // 0-based
    int index = 0;
    int64_t value = 0;
    std::string text;
    std::string argument;
};

struct Scenario {
    std::vector<ScenarioCommand> commands;  // in tick order, file order within a tick
    int endTick = 0;
};

// Either the scenario, or the first fault as "scenario line N: what is wrong".
struct ScenarioParse {
    std::optional<Scenario> scenario;
    std::string error;
};

// Reads a scenario text (UTF-8; "#" starts a comment). Every line is
// checked before anything runs, so a bad line never leaves a run half done.
ScenarioParse parseScenario(std::string_view text);

}  // namespace vrx
