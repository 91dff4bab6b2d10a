#pragma once

namespace vrx {

// What a slot does; the numbers are the ones stored in profile lines.
enum class AssignType : int {
    None = 0,
    Keyboard = 1,
    Mouse = 2,
    Command = 3,
    LegacyAnalogFactor = 4,  // only ever read from old profiles, where it becomes Mouse
    JoystickShift = 5,
    ProfileSwitch = 6,
    KeyboardMulti = 7,
    MouseAbsolute = 8,
    LaunchProgram = 9,
    PasteText = 10,
};

// How a KeyboardMulti slot chooses among its four key inputs.
enum class SwitchMode : int {
    MultiSwitch2 = 1,
    MultiSwitch3 = 2,
    DelayedSwitch = 3,
    AnalogSwitch = 4,
    MultiSwitch4 = 5,
    ReleaseSwitch = 6,
    RepeatSwitch = 7,
    MultiSequence = 8,
};

}  // namespace vrx
