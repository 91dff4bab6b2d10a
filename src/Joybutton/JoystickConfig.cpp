#include "Joybutton/JoystickConfig.h"

namespace vrx {

JoystickConfig::JoystickConfig(int index) : index_(index) {
    for (int i = 0; i < kSlotCount; ++i) {
        slots_[i].joystickIndex = static_cast<int16_t>(index);
        slots_[i].slotIndex = static_cast<int16_t>(i);
        slots_[i].owner = this;
    }
}

void JoystickConfig::reset() {
    for (JoyButton& slot : slots_) slot.reset();
    defaultDisplayName.clear();
    defaultTemplateId.clear();
}

void JoystickConfig::copyAssignmentsFrom(const JoystickConfig& other) {
    for (int i = 0; i < kSlotCount; ++i) slots_[i].copyFrom(other.slots_[i]);
}

}  // namespace vrx
