#include <cstdint>
#include <cstdlib>
#include <limits>

#include "Joybutton/Behaviours.h"
#include "Joybutton/TickContext.h"
#include "Utils/EventImpl.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

int saturateToInt(int64_t v) {
    constexpr int64_t lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
}

// Adds one call's turn to a wheel accumulator; a notch goes out each time it
// passes 0x10000.
// Wide arithmetic: speeds come from profile files and values from the
// analog preparation, neither of which is bounded to keep products in range.
bool wheelNotch(int& accumulator, int speed, int value) {
    const int64_t sum = accumulator + std::llabs(static_cast<int64_t>(speed)) * value;
    if (sum <= 0x10000) {
        accumulator = static_cast<int>(sum);
        return false;
    }
    accumulator = static_cast<int>(sum & 0xFFFF);
    return true;
}

}  // namespace

void MouseOutput(JoyButton& r, int v, bool press, bool release, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    AbstractEvent* sender = tick.keySender;
    if (press || release) rt.keysDown = press;
    if (r.mouseLeft || r.mouseMiddle || r.mouseRight || r.mouseButton4 || r.mouseButton5) {
        if (press || release)
            VRX_DEBUGF(*tick.log,
                       press ? "%d#button[%d]: MouseEvent click pressed = %d,%d,%d,%d,%d"
                             : "%d#button[%d]: MouseEvent click released = %d,%d,%d,%d,%d",
                       r.joystickIndex, r.slotIndex, r.mouseLeft, r.mouseMiddle, r.mouseRight, r.mouseButton4,
                       r.mouseButton5);
        if (sender)
            sender->MouseButtons(press, release, r.mouseLeft != 0, r.mouseMiddle != 0, r.mouseRight != 0,
                                 r.mouseButton4 != 0, r.mouseButton5 != 0);
    }
    if (v <= 0) {
        // The vertical wheel keeps its part-turn; everything else starts afresh.
        rt.mouseRemainderX = rt.mouseRemainderY = rt.hwheelAccumulator = 0;
        return;
    }
    if (r.mouseWheelV != 0) {
        const bool notch = wheelNotch(rt.wheelAccumulator, r.mouseWheelV, v);
        VRX_DEBUGF(*tick.log, "%d#button[%d]: MouseWVCount=%X", r.joystickIndex, r.slotIndex, rt.wheelAccumulator);
        if (notch && sender) sender->MouseWheel(r.mouseWheelV > 0 ? 120 : -120);
    }
    if (r.mouseWheelH != 0 && wheelNotch(rt.hwheelAccumulator, r.mouseWheelH, v) && sender)
        sender->MouseHWheel(r.mouseWheelH > 0 ? 120 : -120);
    if (r.mouseMoveX != 0 || r.mouseMoveY != 0) {
        if (r.mouseMoveX != 0)
            VRX_DEBUGF(*tick.log, "%d#button[%d]: MouseHCount=%d, HMove=%d, val=%d", r.joystickIndex, r.slotIndex,
                       rt.mouseRemainderX, r.mouseMoveX, v);
        if (r.mouseMoveY != 0)
            VRX_DEBUGF(*tick.log, "%d#button[%d]: MouseVCount=%d, VMove=%d, val=%d", r.joystickIndex, r.slotIndex,
                       rt.mouseRemainderY, r.mouseMoveY, v);
        const int64_t ax = static_cast<int64_t>(r.mouseMoveX) * v + rt.mouseRemainderX;
        const int64_t ay = static_cast<int64_t>(r.mouseMoveY) * v + rt.mouseRemainderY;
        rt.mouseRemainderX = static_cast<int>(ax & 0xFFF);
        rt.mouseRemainderY = static_cast<int>(ay & 0xFFF);
        if (sender) sender->MouseMoveRelative(saturateToInt(ax >> 12), saturateToInt(ay >> 12));
    }
}

}  // namespace vrx
