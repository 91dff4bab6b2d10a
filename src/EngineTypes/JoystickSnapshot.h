#pragma once

#include <array>
#include <cstdint>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

using SlotValues = std::array<int32_t, kSlotCount>;
using AxisValues = std::array<int32_t, kAxisCount>;

// What one poll of one device hands to the engine in one tick. Back ends only
// ever raise slot values and set axisMoved; clearing is the tick's job.
struct JoystickSnapshot {
    SlotValues slotValue{};
    AxisValues axisValue{};
    bool axisMoved = false;

    void clearForPoll(int activeSlots) {
        for (int i = 0; i < activeSlots; ++i) slotValue[i] = 0;
        axisValue.fill(0);
    }
};

// A poll either fills the snapshot or reports that the device could not be read.
inline constexpr int kPollOk = 0;
inline constexpr int kPollFailed = -1;

}  // namespace vrx
