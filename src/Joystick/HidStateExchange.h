#pragma once

#include <array>
#include <atomic>

#include "Joystick/HidReport.h"

namespace vrx {

// Hands the latest state of one device from the window thread, which
// decodes its reports, to the timer thread, which polls it, without a lock
// and without either side ever seeing half a state: three copies, one the
// writer fills, one the reader reads, and one between them that each swaps
// its own with. One writer and one reader.
class HidStateExchange {
public:
    // Writer side.
    void publish(const HidState& state) {
        buffers_[back_] = state;
        back_ = middle_.exchange(back_ | kFresh, std::memory_order_acq_rel) & kIndex;
    }
    // Reader side: the state published last.
    const HidState& latest() {
        if (middle_.load(std::memory_order_relaxed) & kFresh)
            front_ = middle_.exchange(front_, std::memory_order_acq_rel) & kIndex;
        return buffers_[front_];
    }
    // Only while neither side uses it.
    void clear() {
        buffers_.fill(HidState{});
        back_ = 0;
        front_ = 1;
        middle_.store(2, std::memory_order_relaxed);
    }

private:
    static constexpr unsigned kIndex = 3, kFresh = 4;
    std::array<HidState, 3> buffers_{};
    unsigned back_ = 0;
    unsigned front_ = 1;
    std::atomic<unsigned> middle_{2};
};

}  // namespace vrx
