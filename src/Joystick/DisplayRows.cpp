#include "Joystick/DisplayRows.h"

#include <algorithm>

namespace vrx {

namespace {

enum DisplayMode : int { kOneStick = 0, kOneStickOnePov = 1, kTwoSticksOnePov = 2, kEverything = 3 };

void appendRange(std::vector<SlotIndex>& rows, SlotIndex first, int count) {
    for (int i = 0; i < count; ++i) rows.push_back(first + i);
}

void appendStick(std::vector<SlotIndex>& rows, int stick, bool diagonals) {
    appendRange(rows, axisSlot(2 * stick, false), 4);
    if (diagonals) appendRange(rows, diagonalSlot(stick, Diagonal::UpRight), 4);
}

// A four-way hat never writes its odd (diagonal) slots, so they are not shown.
void appendPov(std::vector<SlotIndex>& rows, int pov, bool eightWay) {
    const int step = eightWay ? 1 : 2;
    for (int d = 0; d < 8; d += step) rows.push_back(povSlot(pov, static_cast<PovDirection>(d)));
}

}  // namespace

// An unknown mode (from a hand-edited profile) gets mode 0's rows rather
// than none, so the stick and the buttons can still be seen.
std::vector<SlotIndex> displayedSlots(const ProfileSettings& settings) {
    const int mode = settings.displayMode;
    const bool twoSticks = mode == kTwoSticksOnePov || mode == kEverything;
    const bool firstPov = mode == kOneStickOnePov || twoSticks;
    const bool everything = mode == kEverything;

    std::vector<SlotIndex> rows;
    rows.reserve(kSlotCount);
    appendStick(rows, 0, settings.useDiagonalInput);
    if (twoSticks) appendStick(rows, 1, settings.useDiagonalInput2);
    // Axes 5 to 8 have no diagonals; they follow the sticks' rows directly.
    if (everything) appendRange(rows, axisSlot(4, false), 2 * (kAxisCount - 4));
    if (firstPov) appendPov(rows, 0, settings.usePOV8Way);
    if (everything)
        for (int pov = 1; pov < kPovCount; ++pov) appendPov(rows, pov, settings.usePOV8Way);
    appendRange(rows, buttonSlot(0), std::clamp(settings.numberOfButtons, 0, kButtonCount));
    return rows;
}

const char* displayModeName(int displayMode) {
    switch (displayMode) {
        case kOneStick: return "スティック×１";
        case kOneStickOnePov: return "スティック×１ ＋ ＰＯＶ×１";
        case kTwoSticksOnePov: return "スティック×２ ＋ ＰＯＶ×１";
        case kEverything: return "すべての軸を表示（８軸＋ＰＯＶ×４）";
        default: return "";
    }
}

}  // namespace vrx
