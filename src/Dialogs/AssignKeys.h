#pragma once

#include <string>
#include <vector>

#include "Dialogs/LastKeyDown.h"
#include "Joybutton/KeyCode.h"

namespace vrx {

// The key table of the assignment dialog: entries 0 to 15 are the
// assignment's keys, 16 to 19 the keys of the command step being edited.
inline constexpr int kKeyTableSize = 20;
inline constexpr int kFirstStepKeyEntry = 16;

// The key boxes, in tab order: Key0-Key3 (page 0), Key11-Key14, Key21-Key24,
// Key31-Key34, Key41-Key44 (page 1), CmdKey1-CmdKey4 (command step editor).
inline constexpr int kKeyBoxCount = 24;
inline constexpr int kFirstMultiKeyBox = 4;
inline constexpr int kFirstStepKeyBox = 20;

std::string keyBoxName(int box);
// The key-table entry a box edits (its tag): page 0 and the first input of
// page 1 share entries 0 to 3.
int keyBoxTag(int box);

// The code a key press in a key box stores. The virtual key alone does not
// tell the right Shift, Ctrl and Alt keys or the numeric pad's Enter from
// the others; the extended-key bit and the scan code do.
KeyCode capturedKeyCode(LastKeyDown key);

// The key that reached a box, with the program's record of the last key
// that went down: the record tells its sides apart only when it is of that
// same key; otherwise the key alone is known.
LastKeyDown pressedKey(int virtualKey, LastKeyDown lastRecord);

// An item of the key boxes' popup: a code to set, or a submenu.
struct PopupItem {
    std::string caption;
    KeyCode code = 0;
    std::vector<PopupItem> children;
};

// The popup's items after "Clear" and its separator: the triggers of
// buttons 1 to 64 (captioned by buttonLabels), then every special key, the
// cursor and wheel ones with their amounts.
std::vector<PopupItem> specialKeyPopupItems(const std::vector<std::string>& buttonLabels);

}  // namespace vrx
