#pragma once

#include <string>
#include <vector>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

// The names a button template gives a joystick's buttons: entry k names
// Button k + 1, and buttons past the end have no name of their own. The
// template registry owns them; callers pass its list, or nullptr when no
// template applies to the joystick.
using ButtonTemplateNames = std::vector<std::string>;

// A slot's name wherever no template is consulted: the axis, hat and
// diagonal slots by direction ("Stick1: ←", "POV2: ↗"), button slots as
// "Button 1" to "Button 128". Empty for an index outside the slot layout.
std::string SlotName(SlotIndex slot);

// The caption of a slot's row in the button list: the fixed name for the
// axis, hat and diagonal slots; "[n] " and the template's name for button n,
// or "[n] Button" where the template has none. Empty for an index outside
// the slot layout.
std::string ButtonLabel(SlotIndex slot, const ButtonTemplateNames* templateNames);

}  // namespace vrx
