#include "Joystick/IdleJoysticks.h"

#include <algorithm>
#include <cassert>

#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/JoystickConfig.h"

namespace vrx {

namespace {

// Whether the rest of the joystick's tick, after the pressed state, changes
// nothing. Since no slot is a held JoystickShift, the input stays with these
// slots; no slot counts down or filters its value; and no slot is a Mouse,
// MouseAbsolute or AnalogSwitch one, so the analog preparation sends nothing
// and changes values but not their signs, which is all an idle slot looks
// at. The one exception, the acceleration of slots 12 to 15, can turn a
// small value negative, so an assigned slot there must not accelerate.
bool allSlotsIdle(const JoystickConfig& config, const SlotValues& out, int activeSlots) {
    for (int j = 0; j < activeSlots; ++j)
        if (!IdleTick(config.slot(j), out[j])) return false;
    for (int j = 12; j < 16; ++j) {
        const JoyButton& s = config.slot(j);
        if (s.type != AssignType::None && out[j] > 0 && s.accelerationFactor > 1.0f) return false;
    }
    return true;
}

bool sameSigns(const SlotValues& before, const SlotValues& now, int activeSlots) {
    // Steady input repeats its values exactly, and comparing memory is the
    // cheapest test there is; the plain loop below runs over many slots at once.
    if (std::equal(now.begin(), now.begin() + activeSlots, before.begin())) return true;
    uint8_t differ = 0;
    for (int j = 0; j < activeSlots; ++j) differ |= static_cast<uint8_t>((now[j] > 0) ^ (before[j] > 0));
    return differ == 0;
}

}  // namespace

IdleJoysticks::Entry* IdleJoysticks::entryFor(const JoystickConfig& config) {
    const int index = config.index();
    return index >= 0 && index < kMaxJoysticks ? &entries_[static_cast<size_t>(index)] : nullptr;
}

bool IdleJoysticks::idle(const JoystickConfig& config, const SlotValues& out, int activeSlots) {
    Entry* entry = entryFor(config);
    const unsigned changes = slotChangeCount();
    // Slots that nothing has touched since they were found idle are idle
    // again for values of the same signs: IdleTick reads only the slot and
    // the sign.
    if (entry && entry->config == &config && entry->slotChanges == changes && entry->activeSlots == activeSlots &&
        sameSigns(entry->values, out, activeSlots)) {
        assert(allSlotsIdle(config, out, activeSlots));
        return true;
    }
    const bool allIdle = allSlotsIdle(config, out, activeSlots);
    if (!entry) return allIdle;
    entry->config = nullptr;
    if (!allIdle) return false;
    entry->config = &config;
    entry->slotChanges = changes;
    entry->activeSlots = activeSlots;
    std::copy(out.begin(), out.begin() + activeSlots, entry->values.begin());
    return true;
}

// An entry without a configuration matches none; its values are left as
// they are, which spares clearing them on every tick of a busy joystick.
void IdleJoysticks::forget(const JoystickConfig& config) {
    if (Entry* entry = entryFor(config)) entry->config = nullptr;
}

}  // namespace vrx
