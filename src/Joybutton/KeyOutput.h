#pragma once

#include <cstdint>

#include "Joybutton/JoyButton.h"

namespace vrx {

struct TickContext;

// The key lists a slot can press.
inline HeldKeys inputKeys(int input) {  // input 0..3: keys 4 input to 4 input + 3
    return {HeldKeys::Source::Keys, static_cast<uint8_t>(4 * input), 4};
}
inline HeldKeys stepKeys(int step) { return {HeldKeys::Source::Step, static_cast<uint8_t>(step), 4}; }
inline HeldKeys pressListKeys() { return {HeldKeys::Source::PressList, 0, 4}; }

// Cursor and wheel codes act again on every call while held. Raw scan-code
// keys (0x10000 and up) are keys, not movement: sending their key-down on
// every tick would type them at the tick rate.
constexpr bool isRefreshable(KeyCode code) { return code >= 0x400 && code <= 0xFFFF && !isTrigger(code); }

// Emits one key code as a press or a release (exactly one of the two): keys
// are counted per code so that several holders share one key-down, pseudo
// keys become mouse movement, wheel turns, clicks and triggers of other slots.
void SendKey(JoyButton& r, KeyCode code, uint32_t scan, bool release, bool press, TickContext& tick);

// Presses a list in order, releases it in reverse order, or with neither flag
// re-sends the cursor and wheel codes of a held list so movement goes on.
void PressKeyList(JoyButton& r, HeldKeys list, bool release, bool press, TickContext& tick);

// Releases a list's keys from the last to the first, without touching what
// the slot holds.
void ReleaseKeys(JoyButton& r, HeldKeys list, TickContext& tick);

// Works out which keys go up and which go down when a slot changes from one
// key list to another; keys in both stay down unless every key repeats.
void KeyTransition(JoyButton& r, HeldKeys from, HeldKeys to, TickContext& tick);

// Releases the transition's releaseList, then presses its pressList.
void ChangeKeys(JoyButton& r, TickContext& tick);

// The codes and scan codes of a list, or false when the list names nothing
// the slot has (no list, or a step that is gone).
bool resolveKeys(const JoyButton& r, HeldKeys list, const KeyCode*& codes, const uint32_t*& scans);

}  // namespace vrx
