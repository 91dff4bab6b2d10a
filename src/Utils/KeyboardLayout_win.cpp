#include <windows.h>

#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

class WindowsKeyboardLayout final : public KeyboardLayout {
public:
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-mapvirtualkeyw
    uint32_t virtualKeyToScanCode(uint32_t vk) const override { return MapVirtualKeyW(vk, MAPVK_VK_TO_VSC); }

    // The character is one UTF-16 unit in the low word; the top bit marks a
    // dead key, whose accent is still the character its key shows.
    char32_t virtualKeyToChar(uint32_t vk) const override {
        return static_cast<char32_t>(MapVirtualKeyW(vk, MAPVK_VK_TO_CHAR) & 0xFFFFu);
    }
};

}  // namespace

const KeyboardLayout& systemKeyboardLayout() {
    static const WindowsKeyboardLayout layout;
    return layout;
}

}  // namespace vrx
