#pragma once

#include <vector>

#include "ConfigFileManager/ProfileSettings.h"
#include "EngineTypes/SlotIndex.h"

namespace vrx {

// The slots the main window's button list shows for a profile, in row order.
// Processing is the same whatever is shown.
std::vector<SlotIndex> displayedSlots(const ProfileSettings& settings);

// The names of the display modes as the options page offers them.
const char* displayModeName(int displayMode);

}  // namespace vrx
