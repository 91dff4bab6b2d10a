#include "Ui/Panel_win.h"

#include "Ui/Theme_win.h"

namespace vrx::ui {
namespace {

constexpr wchar_t kPanelClass[] = L"VantorixPanel";

bool registerPanelClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kPanelClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    return registered;
}

}  // namespace

bool Panel::create(HWND parent, int id) {
    return registerPanelClass() &&
           createWindow(parent, kPanelClass, {}, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, id);
}

bool Panel::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (reflectToControl(hwnd(), message, wParam, lParam, result)) return true;
    switch (message) {
        case WM_ERASEBKGND: {
            if (!Theme::dark()) return false;
            RECT client;
            GetClientRect(hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, Theme::windowBrush());
            result = 1;
            return true;
        }
        case WM_SIZE:
            if (onResize) onResize(LOWORD(lParam), HIWORD(lParam));
            return false;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CONTEXTMENU:
            // What no child took (a menu's command, a right click on a
            // child that has no handler of its own) is the window's.
            result = SendMessageW(GetParent(hwnd()), message, wParam, lParam);
            return true;
        default:
            return false;
    }
}

}  // namespace vrx::ui
