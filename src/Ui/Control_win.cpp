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

// The subclassing functions, all four from the comctl32 the process
// loaded (version 6 under the program's manifest). GetWindowSubclass is
// exported by ordinal only on Wine and older systems, and MinGW's import
// library lacks it; taking the four from one module keeps them working on
// the same subclass records.
struct SubclassApi {
    using Set = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using Get = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    using Remove = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    using Default = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    Set set = nullptr;
    Get get = nullptr;
    Remove remove = nullptr;
    Default callDefault = nullptr;

    static const SubclassApi& instance() {
        static const SubclassApi api = [] {
            SubclassApi found;
            HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
            if (!comctl32) comctl32 = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            if (!comctl32) return found;
            auto resolve = [comctl32](const char* name, WORD ordinal) {
                FARPROC function = GetProcAddress(comctl32, name);
                return function ? function : GetProcAddress(comctl32, MAKEINTRESOURCEA(ordinal));
            };
            found.set = reinterpret_cast<Set>(reinterpret_cast<void*>(resolve("SetWindowSubclass", 410)));
            found.get = reinterpret_cast<Get>(reinterpret_cast<void*>(resolve("GetWindowSubclass", 411)));
            found.remove = reinterpret_cast<Remove>(reinterpret_cast<void*>(resolve("RemoveWindowSubclass", 412)));
            found.callDefault = reinterpret_cast<Default>(reinterpret_cast<void*>(resolve("DefSubclassProc", 413)));
            if (!found.set || !found.get || !found.remove || !found.callDefault) found = SubclassApi{};
            return found;
        }();
        return api;
    }
};

void paintDarkEdge(HWND window) {
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    RECT edge;
    GetWindowRect(window, &edge);
    OffsetRect(&edge, -edge.left, -edge.top);
    FrameRect(dc, &edge, Theme::borderBrush());
    InflateRect(&edge, -1, -1);
    FrameRect(dc, &edge, Theme::fieldBrush());
    ReleaseDC(window, dc);
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
    const SubclassApi& subclass = SubclassApi::instance();
    if (!subclass.set || !subclass.set(window_, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(window_);
        window_ = nullptr;
        return false;
    }
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)))
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

Control* Control::fromWindow(HWND window) {
    DWORD_PTR reference = 0;
    const SubclassApi& subclass = SubclassApi::instance();
    if (!window || !subclass.get || !subclass.get(window, subclassProcedure, kSubclassId, &reference)) return nullptr;
    return reinterpret_cast<Control*>(reference);
}

LRESULT CALLBACK Control::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR referenceData) {
    auto* self = reinterpret_cast<Control*>(referenceData);
    if (message == WM_NCDESTROY) {
        SubclassApi::instance().remove(window, subclassProcedure, kSubclassId);
        self->window_ = nullptr;
        return SubclassApi::instance().callDefault(window, message, wParam, lParam);
    }
    if (message == WM_NCPAINT && Theme::dark() && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        // The sunken edge is drawn in the system's light 3-D colours; it is
        // painted over in the palette's after the system drew the rest of
        // the frame (scroll bars).
        const LRESULT answer = SubclassApi::instance().callDefault(window, message, wParam, lParam);
        paintDarkEdge(window);
        return answer;
    }
    LRESULT result = 0;
    if (self->onMessage(message, wParam, lParam, result)) return result;
    return SubclassApi::instance().callDefault(window, message, wParam, lParam);
}

bool Control::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Control::onReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return SubclassApi::instance().callDefault(window_, message, wParam, lParam);
}

LRESULT Control::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(window_, message, wParam, lParam);
}

POINT Control::cursorPosition(POINT& client) const {
    POINT screen{};
    GetCursorPos(&screen);
    client = screen;
    ScreenToClient(window_, &client);
    return screen;
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

void Control::showText(std::string_view text) {
    if (this->text() != text) setText(text);
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

void Control::startGroup() {
    if (window_) SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_GROUP);
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
