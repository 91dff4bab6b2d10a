#include "EngineTypes/ButtonNames.h"

#include <string_view>

namespace vrx {
namespace {

constexpr std::string_view kAxisDirections[] = {"←", "→", "↑", "↓"};
// Slots 8 to 15: the two extra axes and the two sliders, negative then
// positive.
constexpr std::string_view kExtraAxes[] = {"Axis5", "Axis6", "Slider1", "Slider2"};
constexpr std::string_view kAxisSigns[] = {"(<0)", "(>0)"};
// In PovDirection order.
constexpr std::string_view kPovDirections[] = {"↑", "↗", "→", "↘", "↓", "↙", "←", "↖"};
// In Diagonal order.
constexpr std::string_view kDiagonals[] = {"↗", "↖", "↙", "↘"};

constexpr SlotIndex kFirstExtraAxisSlot = 8;

std::string stick(int index) { return "Stick" + std::to_string(index + 1) + ": "; }

// The first hat is just "POV"; the others carry their number.
std::string pov(int index) { return index == 0 ? "POV: " : "POV" + std::to_string(index + 1) + ": "; }

bool isSlot(SlotIndex slot) { return slot >= 0 && slot < kSlotCount; }

int buttonNumber(SlotIndex slot) { return slot - kFirstButtonSlot + 1; }

std::string fixedName(SlotIndex slot) {
    if (slot < kFirstExtraAxisSlot) return stick(slot / 4) + std::string(kAxisDirections[slot % 4]);
    if (slot < kFirstPovSlot) {
        const int extra = slot - kFirstExtraAxisSlot;
        return std::string(kExtraAxes[extra / 2]) + std::string(kAxisSigns[extra % 2]);
    }
    if (slot < kFirstDiagonalSlot) {
        const int hat = slot - kFirstPovSlot;
        return pov(hat / 8) + std::string(kPovDirections[hat % 8]);
    }
    const int diagonal = slot - kFirstDiagonalSlot;
    return stick(diagonal / 4) + std::string(kDiagonals[diagonal % 4]);
}

}  // namespace

std::string SlotName(SlotIndex slot) {
    if (!isSlot(slot)) return {};
    if (slot < kFirstButtonSlot) return fixedName(slot);
    return "Button " + std::to_string(buttonNumber(slot));
}

std::string ButtonLabel(SlotIndex slot, const ButtonTemplateNames* templateNames) {
    if (!isSlot(slot)) return {};
    if (slot < kFirstButtonSlot) return fixedName(slot);
    const int n = buttonNumber(slot);
    const std::string prefix = "[" + std::to_string(n) + "] ";
    if (templateNames != nullptr && static_cast<size_t>(n) <= templateNames->size())
        return prefix + (*templateNames)[n - 1];
    return prefix + "Button";
}

}  // namespace vrx
