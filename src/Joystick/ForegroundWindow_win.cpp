#include <windows.h>

#include "Joystick/ForegroundWindow.h"

namespace vrx {
namespace {

class SystemForegroundWindow final : public ForegroundWindowSource {
public:
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getforegroundwindow
    WindowHandle foregroundWindow() const override { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }
};

}  // namespace

const ForegroundWindowSource& systemForegroundWindow() {
    static const SystemForegroundWindow windows;
    return windows;
}

}  // namespace vrx
