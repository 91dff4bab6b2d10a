#pragma once

#include <cstdint>

namespace vrx {

// The fixed layout every logical joystick shares: eight axes with two
// directions each, four hats with eight directions each, the diagonals of the
// two sticks, then the buttons.
using SlotIndex = int;

inline constexpr int kSlotCount = 184;
inline constexpr int kAxisCount = 8;
inline constexpr int kPovCount = 4;
inline constexpr int kButtonCount = 128;
inline constexpr int kMaxJoysticks = 50;

inline constexpr SlotIndex kFirstPovSlot = 16;
inline constexpr SlotIndex kFirstDiagonalSlot = 48;
inline constexpr SlotIndex kFirstButtonSlot = 56;

// Slot values run from 0 (off) to 1000 (fully on); axis positions from -1000
// to 1000.
inline constexpr int32_t kFullValue = 1000;

enum class PovDirection : int { Up, UpRight, Right, DownRight, Down, DownLeft, Left, UpLeft };
enum class Diagonal : int { UpRight, UpLeft, DownLeft, DownRight };

constexpr SlotIndex axisSlot(int axis, bool positive) { return 2 * axis + (positive ? 1 : 0); }
constexpr SlotIndex povSlot(int pov, PovDirection d) { return kFirstPovSlot + 8 * pov + static_cast<int>(d); }
constexpr SlotIndex diagonalSlot(int stick, Diagonal d) { return kFirstDiagonalSlot + 4 * stick + static_cast<int>(d); }
constexpr SlotIndex buttonSlot(int button) { return kFirstButtonSlot + button; }

// Only the axes, hats, diagonals and the profile's buttons take part in processing.
constexpr int activeSlotCount(int numberOfButtons) { return kFirstButtonSlot + numberOfButtons; }

}  // namespace vrx
