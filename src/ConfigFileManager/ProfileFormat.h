#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

// The .cfg layout: which section and key holds what, and how the layout
// changed between format versions. The reader branches on the version the
// file states; the writer always writes the current one.
inline constexpr int kProfileFileVersion = 74;
// Older files load as a new profile.
inline constexpr int kOldestProfileFileVersion = 30;
// Earlier files chose the displayed axes with Use8Axes and UsePOV.
inline constexpr int kFirstDisplayModeVersion = 44;
// Earlier files had one diagonal switch for both sticks.
inline constexpr int kFirstSecondDiagonalSwitchVersion = 68;
// Earlier files stored axes 4 to 6 in another order.
inline constexpr int kFirstCurrentAxisOrderVersion = 51;
// Earlier files stored four directions of two hats only.
inline constexpr int kFirstFullPovVersion = 43;
// Earlier files had no diagonal slots for stick 2.
inline constexpr int kFirstSecondStickDiagonalsVersion = 50;

inline constexpr std::string_view kGeneralSection = "General";
inline constexpr std::string_view kButtonAliasSection = "ButtonAlias";

// "Joystick 1" for joystick 0.
std::string joystickSection(int joystick);

// The key of a slot in its joystick's section: "Axis1n", "POV2-3", "Up- Left",
// "Button07".
std::string_view slotKey(SlotIndex slot);

// The key of a slot's entry in the alias section ("Input17" to "Input24",
// "Button01" up), and the slots whose entries are stored at all.
std::string_view aliasKey(SlotIndex slot);
std::vector<SlotIndex> storedAliasSlots(int numberOfButtons);

// A slot and the key it is read from or written to.
struct StoredSlot {
    SlotIndex slot;
    std::string_view key;
};

// Every slot a file of this version stores, in the order the writer
// writes them.
std::vector<StoredSlot> storedSlots(int fileVersion, int numberOfButtons);

}  // namespace vrx
