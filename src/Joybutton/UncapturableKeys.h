#pragma once

#include <array>
#include <string_view>

#include "Joybutton/KeyCode.h"

namespace vrx {

// A key that a key box cannot capture by a key press (mouse input, keys the
// system keeps for itself, the variants that only their scan code tells
// apart), under the name the assignment dialog offers it by.
struct SpecialKey {
    KeyCode code;
    std::string_view name;
};

// In the order the dialog's list and popup show them.
extern const std::array<SpecialKey, 40> kSpecialKeys;

// The first entries are the four cursor directions and the two wheel
// directions, which take an amount (2, 4, ... 30) added to their code.
inline constexpr int kSpecialKeysWithAmount = 6;

}  // namespace vrx
