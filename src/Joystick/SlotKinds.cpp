#include "Joystick/SlotKinds.h"

#include "Joybutton/JoystickConfig.h"

namespace vrx {

SlotKinds slotKindsOf(const JoystickConfig& config) {
    SlotKinds kinds{false, false, false};
    for (const JoyButton& slot : config.slots()) {
        kinds.shifts |= slot.type == AssignType::JoystickShift;
        kinds.scalesAnalog |= slot.type == AssignType::MouseAbsolute ||
                              (slot.type == AssignType::Mouse && slot.analogFactor != 100);
        kinds.triggers |= slot.type != AssignType::None && slot.triggersButtons;
    }
    return kinds;
}

SlotKinds SlotKindCache::kindsOf(const JoystickConfig& config) {
    const int index = config.index();
    if (index < 0 || index >= kMaxJoysticks) return slotKindsOf(config);
    Entry& entry = entries_[static_cast<size_t>(index)];
    const unsigned changes = slotChangeCount();
    if (entry.config != &config || entry.slotChanges != changes) entry = Entry{&config, changes, slotKindsOf(config)};
    return entry.kinds;
}

}  // namespace vrx
