#pragma once

#include "Utils/WindowHandle.h"

namespace vrx {

// Which window has the focus right now; 0 when none has it.
class ForegroundWindowSource {
public:
    virtual ~ForegroundWindowSource() = default;
    virtual WindowHandle foregroundWindow() const = 0;
};

// The running system's answer. Without a window system no window ever has
// the focus.
const ForegroundWindowSource& systemForegroundWindow();

}  // namespace vrx
