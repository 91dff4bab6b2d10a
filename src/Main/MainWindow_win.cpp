#include "Main/MainWindow_win.h"

#include "AppInfo/GlobalSettings.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

constexpr wchar_t kClassName[] = L"TMainForm";

// Wine and older systems lack the Windows 10 UI fonts; a face without
// Japanese glyphs would show boxes, so the first one installed wins.
HFONT createJapaneseFont(HWND window) {
    const wchar_t* faces[] = {L"Yu Gothic UI", L"Meiryo UI", L"Noto Sans CJK JP", L"MS UI Gothic"};
    HDC dc = GetDC(window);
    const int height = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    const wchar_t* chosen = faces[0];
    for (const wchar_t* face : faces) {
        LOGFONTW query{};
        query.lfCharSet = DEFAULT_CHARSET;
        wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
        bool found = false;
        EnumFontFamiliesExW(
            dc, &query,
            [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
                *reinterpret_cast<bool*>(found) = true;
                return 0;
            },
            reinterpret_cast<LPARAM>(&found), 0);
        if (found) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(window, dc);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, chosen);
}

}  // namespace

MainWindow::MainWindow(GlobalSettings& settings, Hooks hooks) : settings_(settings), hooks_(std::move(hooks)) {}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
    if (font_) DeleteObject(font_);
}

bool MainWindow::create(HINSTANCE instance, const char* title, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return false;
    const bool placed = settings_.windowPositionLeft >= 0 && settings_.windowPositionTop >= 0;
    window_ = CreateWindowExW(0, kClassName, toWide(title).c_str(), WS_OVERLAPPEDWINDOW,
                              placed ? settings_.windowPositionLeft : CW_USEDEFAULT,
                              placed ? settings_.windowPositionTop : CW_USEDEFAULT, settings_.windowWidth,
                              settings_.windowHeight, nullptr, nullptr, instance, this);
    if (!window_) return false;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return true;
}

bool MainWindow::shown() const { return window_ && IsWindowVisible(window_) && !IsIconic(window_); }

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            createControls();
            return 0;
        case WM_SIZE:
            layout();
            return 0;
        case WM_CLOSE:
            // The close button only minimises while the program is meant to
            // keep running in the notification area.
            if (settings_.exitMeansMinimize && !(messages_ && messages_->reallyExit())) {
                minimize();
                return 0;
            }
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            hooks_.destroying();
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    if (messages_) {
        // Another process's data is only readable while its message is
        // being handled, within the size it gave.
        const void* data = nullptr;
        size_t size = 0;
        if (message == WM_COPYDATA && lParam) {
            const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            data = copy->lpData;
            size = copy->cbData;
        }
        if (const auto result = messages_->handle(message, wParam, lParam, data, size)) return *result;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::createControls() {
    font_ = createJapaneseFont(window_);
    caption_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_, nullptr, nullptr, nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0,
                            0, 0, window_, nullptr, nullptr, nullptr);
    for (HWND control : {caption_, list_}) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    showProfile();
}

void MainWindow::layout() {
    RECT client;
    GetClientRect(window_, &client);
    const int margin = 8, line = 28;
    MoveWindow(caption_, margin, margin, client.right - 2 * margin, line, TRUE);
    MoveWindow(list_, margin, margin + line, settings_.splitterPosition, client.bottom - 2 * margin - line, TRUE);
}

void MainWindow::restore() {
    ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window_);
}

void MainWindow::minimize() { ShowWindow(window_, SW_MINIMIZE); }

void MainWindow::close() { PostMessageW(window_, WM_CLOSE, 0, 0); }

void MainWindow::showError(const char* text, const char* caption) {
    MessageBoxW(window_, toWide(text).c_str(), toWide(caption).c_str(), MB_OK | MB_ICONERROR);
}

void MainWindow::profileSwitched() {
    showProfile();
    if (hooks_.profileSwitched) hooks_.profileSwitched();
}

void MainWindow::showProfile() {
    if (!list_) return;
    const std::string current = hooks_.currentProfile();
    SetWindowTextW(caption_, toWide("現在の設定: " + current).c_str());
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    const std::vector<std::string> names = hooks_.profileNames();
    for (size_t i = 0; i < names.size(); ++i) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(names[i]).c_str()));
        if (names[i] == current) SendMessageW(list_, LB_SETCURSEL, i, 0);
    }
}

}  // namespace vrx
