#pragma once

#include <span>
#include <string>

#include "Joybutton/KeyCode.h"

namespace vrx {

class KeyboardLayout;

// The name under which the button list and the assignment dialog show a key
// code. Keys that type a character on the given layout (letters, digits and
// the punctuation keys that move between national layouts) show that
// character, so the name matches the keycap; every other key has a fixed
// name. Codes no part of the program produces get "???" or a hexadecimal
// name, never an error.
std::string KeyName(KeyCode code, const KeyboardLayout& layout);
std::string KeyName(KeyCode code);  // with the system's layout

// A chord as one text: the names of the keys up to the first empty one,
// separated by ", "; "None" when the first key is empty.
std::string KeyList(std::span<const KeyCode, 4> keys, const KeyboardLayout& layout);
std::string KeyList(std::span<const KeyCode, 4> keys);

}  // namespace vrx
