#include "Ui/DialogWindow_win.h"

#include "Ui/Control_win.h"
#include "Ui/Theme_win.h"
#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

constexpr wchar_t kClassName[] = L"VantorixDialog";
// No WS_CLIPCHILDREN: a group box paints only its frame and relies on its
// parent's background inside.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The window size for a client size at a DPI: AdjustWindowRectExForDpi
// where it exists (Windows 10 1607 on), else the system's metrics.
RECT windowRectFor(int width, int height, Dpi dpi) {
    RECT rect{0, 0, width, height};
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (!adjustForDpi || !adjustForDpi(&rect, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi.value())))
        AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
    return rect;
}

}  // namespace

DialogWindow::DialogWindow(DialogPlacement placement) : placement_(placement) {}

DialogWindow::~DialogWindow() {
    if (window_) DestroyWindow(window_);
}

void DialogWindow::setTitle(std::string_view title) {
    title_ = title;
    if (window_) SetWindowTextW(window_, toWide(title).c_str());
}

void DialogWindow::endDialog(int code) {
    code_ = code;
    ended_ = true;
    // Wakes the modal loop if it waits in GetMessage.
    if (window_) PostMessageW(window_, WM_NULL, 0, 0);
}

int DialogWindow::showModal(HWND owner) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) return 0;
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    ended_ = false;
    code_ = 0;
    window_ = CreateWindowExW(kExStyle, kClassName, toWide(title_).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              100, 100, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return 0;
    dpi_ = Dpi::of(window_);
    font_ = UiFont(dpi_);
    boldFont_ = font_.variant(true, false);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    createControls();
    applyFonts();
    const SIZE size = designSize();
    const RECT frame = windowRectFor(dpi_.scale(size.cx), dpi_.scale(size.cy), dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    layout();
    applyTheme(window_);
    centre(owner);

    // https://learn.microsoft.com/windows/win32/winmsg/using-dialog-boxes
    // A modal window disables its owner for its lifetime and enables it
    // again before it is destroyed, so the owner gets the activation back.
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
    activated();
    if (onShown) onShown(*this);

    MSG message;
    while (!ended_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must end too
            break;
        }
        if (got < 0) break;
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    DestroyWindow(window_);
    window_ = nullptr;
    if (ownerWasEnabled) SetActiveWindow(owner);
    return code_;
}

void DialogWindow::applyFonts() {
    EnumChildWindows(
        window_,
        [](HWND child, LPARAM self) -> BOOL {
            const auto* dialog = reinterpret_cast<const DialogWindow*>(self);
            if (Control* control = Control::fromWindow(child))
                control->setFont(dialog->font_, dialog->boldFont_);
            else
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(dialog->font_.handle()), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

void DialogWindow::centre(HWND owner) {
    RECT area{};
    if (placement_ == DialogPlacement::CentreOnOwner && owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    RECT own;
    GetWindowRect(window_, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    // Keep the title bar on the screen when the owner is near its edge.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);
    if (x + width > monitor.rcWork.right) x = monitor.rcWork.right - width;
    if (y + height > monitor.rcWork.bottom) y = monitor.rcWork.bottom - height;
    if (x < monitor.rcWork.left) x = monitor.rcWork.left;
    if (y < monitor.rcWork.top) y = monitor.rcWork.top;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool DialogWindow::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK DialogWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DialogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->dispatch(message, wParam, lParam);
}

LRESULT DialogWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (reflectToControl(window_, message, wParam, lParam, result)) return result;
    if (handleMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case DM_GETDEFID:
            // https://learn.microsoft.com/windows/win32/dlgbox/dm-getdefid
            // IsDialogMessage asks this on Enter and then sends WM_COMMAND
            // from that button, which reaches it through reflection.
            return defaultButton_ && defaultButton_->hwnd() ? MAKELRESULT(defaultButton_->id(), DC_HASDEFID) : 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                cancel();
                return 0;
            }
            if (LOWORD(wParam) == IDOK && defaultButton_ && defaultButton_->enabled()) {
                defaultButton_->click();
                return 0;
            }
            break;
        case WM_CLOSE:
            cancel();
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     Theme::dark() ? Theme::windowBrush() : GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        case WM_DPICHANGED: {
            // https://learn.microsoft.com/windows/win32/hidpi/wm-dpichanged
            // The suggested rectangle keeps the window's place on the new
            // monitor; fonts and layout follow the new DPI.
            dpi_ = Dpi(forcedDpi() ? forcedDpi() : HIWORD(wParam));
            font_.recreate(dpi_);
            boldFont_ = font_.variant(true, false);
            applyFonts();
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace vrx::ui
