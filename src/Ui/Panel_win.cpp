#include "Ui/Panel_win.h"

#include <algorithm>

#include "Ui/Dpi_win.h"
#include "Ui/Theme_win.h"

namespace vrx::ui {
namespace {

SCROLLINFO scrollInfo(UINT mask) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

constexpr wchar_t kPanelClass[] = L"VantorixPanel";
constexpr int kLineStep = 24;  // one line of controls, at 96 DPI

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

int clientHeight(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client.bottom;
}

}  // namespace

bool Panel::create(HWND parent, Options options) {
    const DWORD style = WS_CLIPSIBLINGS | (options.clipChildren ? WS_CLIPCHILDREN : 0) | (options.scrolls ? WS_VSCROLL : 0);
    return registerPanelClass() && createWindow(parent, kPanelClass, {}, style, WS_EX_CONTROLPARENT);
}

void Panel::setContentHeight(int height) {
    contentHeight_ = height;
    updateScrollBar();
}

void Panel::updateScrollBar() {
    if (!(GetWindowLongW(hwnd(), GWL_STYLE) & WS_VSCROLL) && contentHeight_ == 0) return;
    SCROLLINFO info = scrollInfo(SIF_RANGE | SIF_PAGE | SIF_POS);
    info.nMin = 0;
    info.nMax = std::max(0, contentHeight_ - 1);
    info.nPage = static_cast<UINT>(std::max(0, clientHeight(hwnd())));
    const int limit = std::max(0, contentHeight_ - clientHeight(hwnd()));
    info.nPos = std::clamp(position_, 0, limit);
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
    if (info.nPos != position_) scrollTo(info.nPos);
}

void Panel::scrollTo(int position) {
    const int limit = std::max(0, contentHeight_ - clientHeight(hwnd()));
    position = std::clamp(position, 0, limit);
    if (position == position_) return;
    position_ = position;
    SCROLLINFO info = scrollInfo(SIF_POS);
    info.nPos = position_;
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
    if (onScroll) onScroll(position_);
    InvalidateRect(hwnd(), nullptr, TRUE);
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
            updateScrollBar();
            return false;
        case WM_VSCROLL: {
            if (lParam != 0) return false;  // a scroll bar control's, not the panel's own
            const int line = Dpi::of(hwnd()).scale(kLineStep);
            const int page = clientHeight(hwnd());
            SCROLLINFO info = scrollInfo(SIF_ALL);
            GetScrollInfo(hwnd(), SB_VERT, &info);
            switch (LOWORD(wParam)) {
                case SB_LINEUP: scrollTo(position_ - line); break;
                case SB_LINEDOWN: scrollTo(position_ + line); break;
                case SB_PAGEUP: scrollTo(position_ - page); break;
                case SB_PAGEDOWN: scrollTo(position_ + page); break;
                case SB_TOP: scrollTo(0); break;
                case SB_BOTTOM: scrollTo(contentHeight_); break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: scrollTo(info.nTrackPos); break;
                default: break;
            }
            return true;
        }
        case WM_MOUSEWHEEL:
            if (contentHeight_ <= clientHeight(hwnd())) return false;
            scrollTo(position_ - GET_WHEEL_DELTA_WPARAM(wParam) * Dpi::of(hwnd()).scale(kLineStep) * 3 / WHEEL_DELTA);
            return true;
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
