#include "Joystick/StickMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vrx {

namespace {

// Slots of one stick's four directions, in axis order: x-, x+, y-, y+.
constexpr SlotIndex leftSlot(int stick) { return 4 * stick; }
constexpr SlotIndex rightSlot(int stick) { return 4 * stick + 1; }
constexpr SlotIndex upSlot(int stick) { return 4 * stick + 2; }
constexpr SlotIndex downSlot(int stick) { return 4 * stick + 3; }

// Back ends only ever raise values in a snapshot the tick has cleared, so a
// zero or negative value (possible only with a negative threshold or dead
// zone from a hand-edited profile) is never written.
inline void press(SlotValues& slots, SlotIndex slot, int32_t value) {
    if (value > 0) slots[slot] = value;
}

// The user's threshold and the device's dead zone both keep the stick quiet;
// the larger one wins. It stays below full scale so that a full deflection
// still presses and the rescaling below never divides by zero.
int effectiveDeadZone(int threshold, int deadZone) {
    const int g = std::max(threshold, deadZone);
    return g >= kFullValue ? kFullValue - 1 : g;
}

// The stick's distance from the centre. Single precision is enough: every
// sum of squares of the -1000..1000 range is exact in a float.
float radius(int32_t x, int32_t y) {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    return std::sqrt(fx * fx + fy * fy);
}

// A stick that is far from both axes counts as a diagonal. The ratio 2.4
// (about 67.4 degrees) is compared in integers, 5 * big < 12 * small, so the
// borders do not move with floating-point rounding.
bool isDiagonal(int32_t x, int32_t y) {
    const int64_t ax = std::llabs(x);
    const int64_t ay = std::llabs(y);
    const int64_t big = std::max(ax, ay);
    const int64_t small = std::min(ax, ay);
    return 5 * big < 12 * small;
}

// y < 0 is up. A stick lying on either axis is never a diagonal, so the
// choice for x == 0 and y == 0 below never shows in practice.
Diagonal diagonalOf(int32_t x, int32_t y) {
    if (y < 0) return x > 0 ? Diagonal::UpRight : Diagonal::UpLeft;
    return x < 0 ? Diagonal::DownLeft : Diagonal::DownRight;
}

SlotIndex directionOf(int stick, int32_t x, int32_t y) {
    if (std::llabs(y) > std::llabs(x)) return y < 0 ? upSlot(stick) : downSlot(stick);
    return x < 0 ? leftSlot(stick) : rightSlot(stick);
}

// With diagonals the stick presses exactly one slot, with the stick's
// distance from the centre as its strength, so a diagonal is as strong as a
// straight push of the same length.
void mapWithDiagonals(int stick, int32_t x, int32_t y, int h, SlotValues& slots) {
    const float r = radius(x, y);
    // Clamping before the conversion keeps out-of-range axis values defined;
    // h never exceeds 999, so clamping first does not change the comparison.
    const int32_t length = r >= static_cast<float>(kFullValue) ? kFullValue : static_cast<int32_t>(r);
    if (length <= h) return;
    const SlotIndex slot = isDiagonal(x, y) ? diagonalSlot(stick, diagonalOf(x, y)) : directionOf(stick, x, y);
    press(slots, slot, length);
}

// Without diagonals each axis presses its own direction, so a diagonal push
// presses two slots with each axis's own strength.
void pressAxisDirections(int stick, int32_t x, int32_t y, int h, SlotValues& slots) {
    if (x < -h) press(slots, leftSlot(stick), -x);
    if (x > h) press(slots, rightSlot(stick), x);
    if (y < -h) press(slots, upSlot(stick), -y);
    if (y > h) press(slots, downSlot(stick), y);
}

// Analog use (mouse movement) should start from zero at the edge of the dead
// zone rather than jump to the dead zone's value, so the ring between h and
// full scale is stretched over 0..1000 with the direction kept.
void rescaleAxes(int32_t (&axes)[2], int g, int h) {
    const float r = radius(axes[0], axes[1]);
    if (r < static_cast<float>(h)) {
        axes[0] = 0;
        axes[1] = 0;
        return;
    }
    if (g <= 0) return;
    const float full = static_cast<float>(kFullValue);
    const float scale = (std::min(r, full) - static_cast<float>(h)) / (full - static_cast<float>(h));
    axes[0] = static_cast<int32_t>(static_cast<float>(axes[0]) * scale);
    axes[1] = static_cast<int32_t>(static_cast<float>(axes[1]) * scale);
}

}  // namespace

void StickMapping(int stick, int32_t (&axes)[2], int deadZone, const StickSettings& settings,
                  SlotValues& slots) {
    if (stick < 0 || stick > 1) return;
    const int g = std::max(settings.threshold, deadZone);
    const int h = effectiveDeadZone(settings.threshold, deadZone);
    const int32_t x = axes[0];
    const int32_t y = axes[1];
    if (settings.useDiagonals) {
        // The axes are left alone: a stick with its own diagonal slots is
        // used as a set of buttons, not for analog movement.
        mapWithDiagonals(stick, x, y, h, slots);
        return;
    }
    pressAxisDirections(stick, x, y, h, slots);
    rescaleAxes(axes, g, h);
}

void ExtraAxisMapping(int32_t value, int axisNumber, int threshold, SlotValues& slots) {
    if (axisNumber < 1 || axisNumber > kAxisCount) return;
    // These axes are triggers and sliders: no dead zone and no analog use,
    // only the threshold decides.
    const int axis = axisNumber - 1;
    if (value < -threshold)
        press(slots, axisSlot(axis, false), -value);
    else if (value > threshold)
        press(slots, axisSlot(axis, true), value);
}

namespace {

constexpr uint32_t kFullCircle = 36000;
constexpr uint32_t kEighth = 4500;
constexpr uint32_t kSixteenth = 2250;

bool within(uint32_t angle, uint32_t low, uint32_t high) { return low <= angle && angle <= high; }

// Each direction owns the 45-degree sector around it. Borders are inclusive
// on both sides, so a hat reporting exactly a border presses both neighbours
// instead of flickering between them.
void mapEightWay(uint32_t angle, SlotValues& slots, int pov) {
    if (angle <= kSixteenth || within(angle, kFullCircle - kSixteenth, kFullCircle))
        slots[povSlot(pov, PovDirection::Up)] = kFullValue;
    for (int d = 1; d < 8; ++d) {
        const uint32_t centre = static_cast<uint32_t>(d) * kEighth;
        if (within(angle, centre - kSixteenth, centre + kSixteenth))
            slots[povSlot(pov, static_cast<PovDirection>(d))] = kFullValue;
    }
}

// Four-way hats have no diagonal slots: each cardinal direction owns 90
// degrees, and an exact diagonal presses both of its cardinals, as a
// d-pad rocked onto its corner does.
void mapFourWay(uint32_t angle, SlotValues& slots, int pov) {
    if (angle <= kEighth || within(angle, kFullCircle - kEighth, kFullCircle))
        slots[povSlot(pov, PovDirection::Up)] = kFullValue;
    if (within(angle, kEighth, 3 * kEighth)) slots[povSlot(pov, PovDirection::Right)] = kFullValue;
    if (within(angle, 3 * kEighth, 5 * kEighth)) slots[povSlot(pov, PovDirection::Down)] = kFullValue;
    if (within(angle, 5 * kEighth, 7 * kEighth)) slots[povSlot(pov, PovDirection::Left)] = kFullValue;
}

}  // namespace

void PovMapping(int pov, uint32_t angle, bool eightWay, SlotValues& slots) {
    if (pov < 0 || pov >= kPovCount) return;
    // Drivers report a centred hat as 0xFFFF or 0xFFFFFFFF; anything past a
    // full circle is treated the same way.
    if (angle > kFullCircle) return;
    if (eightWay)
        mapEightWay(angle, slots, pov);
    else
        mapFourWay(angle, slots, pov);
}

}  // namespace vrx
