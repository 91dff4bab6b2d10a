#include "Ui/Control_win.h"

#include <commctrl.h>

#include <atomic>

#include "Ui/Theme_win.h"
#include "Ui/UiFont_win.h"
#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x56525843;  // one subclass of ours per window
std::atomic<int> nextId{1000};

void initCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                   ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

// The child a parent notification is about, or null.
HWND notifyingChild(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
        }
        default:
            return nullptr;
    }
}

bool isColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

Control::~Control() { destroy(); }

void Control::destroy() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    if (window_) DestroyWindow(window_);  // WM_NCDESTROY clears window_
    window_ = nullptr;
}

bool Control::createWindow(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                           DWORD exStyle, int id) {
    initCommonControls();
    destroy();
    id_ = id ? id : nextId.fetch_add(1);
    window_ = CreateWindowExW(exStyle, className, toWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr),
                              nullptr);
    if (!window_) return false;
    SetWindowSubclass(window_, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)))
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

Control* Control::fromWindow(HWND window) {
    DWORD_PTR reference = 0;
    if (!window || !GetWindowSubclass(window, subclassProcedure, kSubclassId, &reference)) return nullptr;
    return reinterpret_cast<Control*>(reference);
}

LRESULT CALLBACK Control::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR referenceData) {
    auto* self = reinterpret_cast<Control*>(referenceData);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProcedure, kSubclassId);
        self->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self->onMessage(message, wParam, lParam, result)) return result;
    return DefSubclassProc(window, message, wParam, lParam);
}

bool Control::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Control::onReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(window_, message, wParam, lParam);
}

LRESULT Control::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(window_, message, wParam, lParam);
}

void Control::setBounds(const RECT& bounds) {
    setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void Control::setBounds(int x, int y, int width, int height) {
    if (window_) SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::bounds() const {
    RECT rect{};
    if (!window_) return rect;
    GetWindowRect(window_, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Control::setText(std::string_view text) {
    if (window_) SetWindowTextW(window_, toWide(text).c_str());
}

std::string Control::text() const {
    if (!window_) return {};
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    buffer.resize(static_cast<size_t>(GetWindowTextW(window_, buffer.data(), static_cast<int>(buffer.size()))));
    return toUtf8(buffer);
}

void Control::setVisible(bool visible) {
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::visible() const { return window_ && IsWindowVisible(window_); }

void Control::setEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

bool Control::enabled() const { return window_ && IsWindowEnabled(window_); }

void Control::setFocus() {
    if (window_) SetFocus(window_);
}

bool Control::focused() const { return window_ && GetFocus() == window_; }

void Control::setHint(std::string_view hint) {
    if (!window_) return;
    const std::wstring text = toWide(hint);
    if (!tooltip_) {
        if (text.empty()) return;
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   GetAncestor(window_, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!tooltip_) return;
    }
    // The version 5 size: the program's comctl32 is 6, the tests' may be 5.
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(window_);
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Control::setFont(const UiFont& normal, const UiFont&) {
    if (window_) send(WM_SETFONT, reinterpret_cast<WPARAM>(normal.handle()), TRUE);
}

void Control::applyTheme(bool) {}

void Control::invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

bool reflectToControl(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = notifyingChild(message, wParam, lParam);
    if (!child) return false;
    if (Control* control = Control::fromWindow(child)) {
        if (control->onReflected(message, wParam, lParam, result)) return true;
    }
    if (isColorMessage(message)) return answerThemeColor(message, reinterpret_cast<HDC>(wParam), result);
    return false;
}

}  // namespace vrx::ui
