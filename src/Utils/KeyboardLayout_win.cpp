#include <windows.h>

#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

class WindowsKeyboardLayout final : public KeyboardLayout {
public:
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-mapvirtualkeyw
    uint32_t virtualKeyToScanCode(uint32_t vk) const override { return MapVirtualKeyW(vk, MAPVK_VK_TO_VSC); }
};

}  // namespace

const KeyboardLayout& systemKeyboardLayout() {
    static const WindowsKeyboardLayout layout;
    return layout;
}

}  // namespace vrx
