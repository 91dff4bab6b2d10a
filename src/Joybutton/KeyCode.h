#pragma once

#include <cstdint>

namespace vrx {

// What one key position of an assignment produces. The class in bits 8 to 15
// says what kind of output it is; plain virtual keys sit below 0x100 and raw
// scan codes above 0xFFFF.
using KeyCode = uint32_t;

// The keys the windows' models tell apart, as key messages give them; a
// typed Enter or Escape is the same number as a character (CR, ESC).
inline constexpr int kEnterKey = 0x0D;
inline constexpr int kEscapeKey = 0x1B;

namespace key {

inline constexpr KeyCode None = 0;

inline constexpr KeyCode Tab = 0x09;
inline constexpr KeyCode Menu = 0x12;
inline constexpr KeyCode Pause = 0x13;
inline constexpr KeyCode PrintScreen = 0x2C;
inline constexpr KeyCode LWin = 0x5B;
inline constexpr KeyCode RWin = 0x5C;
inline constexpr KeyCode ScrollLock = 0x91;
inline constexpr KeyCode LShift = 0xA0;
inline constexpr KeyCode RShift = 0xA1;
inline constexpr KeyCode LCtrl = 0xA2;
inline constexpr KeyCode RCtrl = 0xA3;
inline constexpr KeyCode LAlt = 0xA4;
inline constexpr KeyCode RAlt = 0xA5;
inline constexpr KeyCode VolumeMute = 0xAD;
inline constexpr KeyCode VolumeDown = 0xAE;
inline constexpr KeyCode VolumeUp = 0xAF;
inline constexpr KeyCode MediaNext = 0xB0;
inline constexpr KeyCode MediaPrevious = 0xB1;
inline constexpr KeyCode MediaStop = 0xB2;
inline constexpr KeyCode MediaPlay = 0xB3;
inline constexpr KeyCode Hankaku = 0xF3;
inline constexpr KeyCode Zenkaku = 0xF4;

inline constexpr KeyCode KanjiToggle = 0x100;
inline constexpr KeyCode NumpadEnter = 0x101;
inline constexpr KeyCode LeftForDirectInput = 0x102;
inline constexpr KeyCode UpForDirectInput = 0x103;
inline constexpr KeyCode RightForDirectInput = 0x104;
inline constexpr KeyCode DownForDirectInput = 0x105;
inline constexpr KeyCode RCtrlForDirectInput = 0x106;
inline constexpr KeyCode RAltForDirectInput = 0x107;
inline constexpr KeyCode PauseAlternative = 0x108;

inline constexpr KeyCode MouseLeft = 0x201;
inline constexpr KeyCode MouseMiddle = 0x202;
inline constexpr KeyCode MouseRight = 0x203;

inline constexpr KeyCode CursorUp = 0x400;
inline constexpr KeyCode CursorRight = 0x500;
inline constexpr KeyCode CursorDown = 0x600;
inline constexpr KeyCode CursorLeft = 0x700;

inline constexpr KeyCode TriggerBase = 0x800;  // + n triggers button n + 1 of the same joystick
inline constexpr KeyCode WheelUp = 0x900;
inline constexpr KeyCode WheelDown = 0xA00;

}  // namespace key

// Bits 8 to 15: 0 for plain keys and raw scan codes, 1 for special keys, 2 for
// mouse buttons, 4 to 7 for cursor moves, 8 for triggers, 9 and 10 for wheels.
constexpr uint32_t keyClass(KeyCode code) { return (code >> 8) & 0xFF; }
constexpr uint32_t keyValue(KeyCode code) { return code & 0xFF; }

constexpr bool isTrigger(KeyCode code) { return keyClass(code) == 0x08; }
constexpr KeyCode triggerKey(int button) { return key::TriggerBase + static_cast<KeyCode>(button); }

}  // namespace vrx
