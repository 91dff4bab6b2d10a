#include "Joystick/ForegroundWindow.h"

namespace vrx {
namespace {

class NoWindows final : public ForegroundWindowSource {
public:
    WindowHandle foregroundWindow() const override { return 0; }
};

}  // namespace

const ForegroundWindowSource& systemForegroundWindow() {
    static const NoWindows windows;
    return windows;
}

}  // namespace vrx
