#include "ConfigFileManager/ProfileFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vrx {
namespace {

constexpr std::array<std::string_view, 8> kDiagonalKeys = {"Up-Right",  "Up- Left",  "Dn- Left",  "Dn-Right",
                                                           "Up-Right2", "Up- Left2", "Dn- Left2", "Dn-Right2"};

struct KeyTables {
    std::array<std::string, kSlotCount> slot;
    std::array<std::string, kSlotCount> alias;

    KeyTables() {
        char key[16];
        for (int axis = 0; axis < kAxisCount; ++axis) {
            std::snprintf(key, sizeof key, "Axis%dn", axis + 1);
            slot[axisSlot(axis, false)] = key;
            std::snprintf(key, sizeof key, "Axis%dp", axis + 1);
            slot[axisSlot(axis, true)] = key;
        }
        for (int pov = 0; pov < kPovCount; ++pov)
            for (int d = 0; d < 8; ++d) {
                std::snprintf(key, sizeof key, "POV%d-%d", pov + 1, d + 1);
                slot[povSlot(pov, static_cast<PovDirection>(d))] = key;
            }
        for (int i = 0; i < 8; ++i) slot[kFirstDiagonalSlot + i] = std::string(kDiagonalKeys[i]);
        for (int b = 0; b < kButtonCount; ++b) {
            std::snprintf(key, sizeof key, "Button%02d", b + 1);
            slot[buttonSlot(b)] = key;
        }

        // The alias section names hat 1's slots by their number, counted
        // from 1, and the buttons as their slots' keys do.
        for (int i = 0; i < kSlotCount; ++i) {
            std::snprintf(key, sizeof key, "Input%02d", i + 1);
            alias[i] = key;
        }
        for (int b = 0; b < kButtonCount; ++b) alias[buttonSlot(b)] = slot[buttonSlot(b)];
    }
};

const KeyTables& keyTables() {
    static const KeyTables tables;
    return tables;
}

// Files before the current axis order stored file axis k as axis
// kOldAxisOrder[k] (0-based).
constexpr std::array<int, kAxisCount> kOldAxisOrder = {0, 1, 2, 4, 5, 3, 6, 7};

void appendAxes(std::vector<StoredSlot>& out, int fileVersion) {
    for (int fileAxis = 0; fileAxis < kAxisCount; ++fileAxis) {
        const int axis = fileVersion >= kFirstCurrentAxisOrderVersion ? fileAxis : kOldAxisOrder[fileAxis];
        out.push_back({axisSlot(axis, false), slotKey(axisSlot(fileAxis, false))});
        out.push_back({axisSlot(axis, true), slotKey(axisSlot(fileAxis, true))});
    }
}

void appendPovs(std::vector<StoredSlot>& out, int fileVersion) {
    if (fileVersion >= kFirstFullPovVersion) {
        for (SlotIndex s = kFirstPovSlot; s < kFirstDiagonalSlot; ++s) out.push_back({s, slotKey(s)});
        return;
    }
    // Up, right, down and left of hats 1 and 2, under the keys that now name
    // their first four directions.
    for (int pov = 0; pov < 2; ++pov)
        for (int d = 0; d < 4; ++d)
            out.push_back({povSlot(pov, static_cast<PovDirection>(2 * d)), slotKey(povSlot(pov, static_cast<PovDirection>(d)))});
}

void appendDiagonals(std::vector<StoredSlot>& out, int fileVersion) {
    const int count = fileVersion >= kFirstSecondStickDiagonalsVersion ? 8 : 4;
    for (int i = 0; i < count; ++i) out.push_back({kFirstDiagonalSlot + i, slotKey(kFirstDiagonalSlot + i)});
}

}  // namespace

std::string joystickSection(int joystick) { return "Joystick " + std::to_string(joystick + 1); }

std::string_view slotKey(SlotIndex slot) { return keyTables().slot[static_cast<size_t>(slot)]; }

std::string_view aliasKey(SlotIndex slot) { return keyTables().alias[static_cast<size_t>(slot)]; }

std::vector<SlotIndex> storedAliasSlots(int numberOfButtons) {
    std::vector<SlotIndex> slots;
    const int buttons = std::clamp(numberOfButtons, 0, kButtonCount);
    slots.reserve(8 + static_cast<size_t>(buttons));
    for (int d = 0; d < 8; ++d) slots.push_back(povSlot(0, static_cast<PovDirection>(d)));
    for (int b = 0; b < buttons; ++b) slots.push_back(buttonSlot(b));
    return slots;
}

std::vector<StoredSlot> storedSlots(int fileVersion, int numberOfButtons) {
    std::vector<StoredSlot> slots;
    const int buttons = std::clamp(numberOfButtons, 0, kButtonCount);
    slots.reserve(kFirstButtonSlot + static_cast<size_t>(buttons));
    appendAxes(slots, fileVersion);
    appendPovs(slots, fileVersion);
    appendDiagonals(slots, fileVersion);
    for (int b = 0; b < buttons; ++b) slots.push_back({buttonSlot(b), slotKey(buttonSlot(b))});
    return slots;
}

}  // namespace vrx
