#pragma once

#include <array>
#include <string>

#include "EngineTypes/SlotIndex.h"
#include "Joybutton/JoyButton.h"

namespace vrx {

// The 184 slot assignments of one logical joystick in a profile. Each slot
// knows where it lives, so the joystick is neither copied nor moved; copyFrom
// copies the assignments.
class JoystickConfig {
public:
    explicit JoystickConfig(int index);
    JoystickConfig(const JoystickConfig&) = delete;
    JoystickConfig& operator=(const JoystickConfig&) = delete;

    int index() const { return index_; }

    JoyButton& slot(SlotIndex i) { return slots_[static_cast<size_t>(i)]; }
    const JoyButton& slot(SlotIndex i) const { return slots_[static_cast<size_t>(i)]; }
    std::array<JoyButton, kSlotCount>& slots() { return slots_; }
    const std::array<JoyButton, kSlotCount>& slots() const { return slots_; }

    // Copies every slot's assignment; each slot keeps its own identity, and
    // the tab name and template stay the joystick's own.
    void copyAssignmentsFrom(const JoystickConfig& other);

    // Every slot unassigned, the tab name and template cleared.
    void reset();

    // The tab's name while no device is mapped to the joystick; empty shows
    // the generic name.
    std::string defaultDisplayName;
    // The button-name template of the tab while no device (or one without a
    // template of its own) is mapped to the joystick.
    std::string defaultTemplateId;

private:
    int index_;
    std::array<JoyButton, kSlotCount> slots_;
};

}  // namespace vrx
