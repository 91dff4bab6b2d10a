#include "Ui/PaintBox_win.h"

#include <windowsx.h>

#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"

namespace vrx::ui {
namespace {

const wchar_t* paintBoxClass() {
    static const wchar_t* name = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"VantorixPaintBox";
        RegisterClassExW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

}  // namespace

bool PaintBox::create(HWND parent, int id) { return createWindow(parent, paintBoxClass(), {}, 0, 0, id); }

bool PaintBox::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = TRUE;
            return true;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd(), &paint);
            RECT client;
            GetClientRect(hwnd(), &client);
            {
                const PaintBuffer buffer(dc, client);
                FillRect(buffer.dc(), &client, solidBrush(palette().window).get());
                if (onPaint) onPaint(buffer.dc(), client);
            }
            EndPaint(hwnd(), &paint);
            result = 0;
            return true;
        }
        case WM_LBUTTONDOWN:
            if (onClick) onClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace vrx::ui
