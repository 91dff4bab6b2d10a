#include "Main/MainWindow_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include "AppInfo/GlobalSettings.h"
#include "Dialogs/ShellAddress_win.h"
#include "Main/MainForm.h"
#include "Main/OptionsPageView_win.h"
#include "Main/WindowGeometry.h"
#include "Ui/Control_win.h"
#include "Ui/Dpi_win.h"
#include "Ui/GdiObjects_win.h"
#include "Ui/MessageBoxes_win.h"
#include "Ui/Theme_win.h"
#include "Utils/Logger.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

constexpr wchar_t kClassName[] = L"TMainForm";
// The notification icon's messages; above the numbers other programs use.
constexpr UINT kTrayMessage = WM_APP + 300;
// FormActivate runs once the activation is over, so that the greeting is
// not shown from inside the activation message.
constexpr UINT kFormActivate = WM_APP + 301;
constexpr UINT_PTR kDelayedExecTimer = 1;
constexpr UINT kDelayedExecMs = 500;

constexpr int kDesignClientWidth = 716;
constexpr int kDesignClientHeight = 629;

}  // namespace

MainWindow::MainWindow(GlobalSettings& settings, Logger& log, Hooks hooks)
    : settings_(settings), log_(log), hooks_(std::move(hooks)), splitter96_(settings.splitterPosition) {}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

bool MainWindow::create(HINSTANCE instance, const char* title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The background is the palette's, painted on WM_ERASEBKGND.
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kClassName;
    // A second window of the class in one process (the view tests) finds
    // it registered.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, toWide(title).c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!window_) return false;
    // The design size is a client size at 96 DPI.
    RECT frame{0, 0, dpi_.scale(kDesignClientWidth), dpi_.scale(kDesignClientHeight)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CONTROLPARENT);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    trayIcon_.add(window_, kTrayMessage, windowClass.hIcon, "Vantorix");
    return true;
}

void MainWindow::attach(MainForm& form, ShellCommands& shell, AppMessages& messages) {
    form_ = &form;
    shell_ = &shell;
    messages_ = &messages;
    link_.attach(form);
    shellLink_.attach(shell);
    createMenus();
    trayIcon_.onClick = [this] { shellLink_([](ShellCommands& s) { s.TrayIconClick(); }); };
    // Any button going down re-detects; the menu is built with the profiles
    // as they are when it opens.
    trayIcon_.onMouseDown = [this] { shellLink_([](ShellCommands& s) { s.TrayIconMouseDown(false); }); };
    trayIcon_.onRightClick = [this] { showTrayMenu(); };
}

void MainWindow::restoreGeometry() {
    const double scale = dpi_.factor();
    const WindowGeometry geometry = restoredGeometry(
        settings_, scale, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    RECT current;
    GetWindowRect(window_, &current);
    SetWindowPos(window_, nullptr, geometry.left.value_or(current.left), geometry.top.value_or(current.top),
                 geometry.width, geometry.height, SWP_NOZORDER | SWP_NOACTIVATE);
    splitter96_ = settings_.splitterPosition;
    const int columns96[] = {settings_.listColumnWidthButton, settings_.listColumnWidthKeyboard,
                             settings_.listColumnWidthAuto, settings_.listColumnWidthComment};
    lvButtonList_.setColumns({{"ボタン", columns96[0]},
                              {"機能", columns96[1]},
                              {"連射", columns96[2], ui::TextAlign::Centre},
                              {"コメント", columns96[3]}});
    lvButtonList_.setDpi(dpi_);
    createFonts();
    layout();
}

void MainWindow::show(StartShow how, int askedShowCommand) {
    switch (how) {
        case StartShow::AsAsked: ShowWindow(window_, askedShowCommand); break;
        case StartShow::Minimized: ShowWindow(window_, SW_SHOWMINNOACTIVE); break;
        case StartShow::Hidden: ShowWindow(window_, SW_HIDE); break;
    }
    shellLink_([how](ShellCommands& s) { s.FormShow(how); });
    UpdateWindow(window_);
}

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
    LRESULT result = 0;
    if (ui::reflectToControl(window_, message, wParam, lParam, result)) return result;
    if (trayIcon_.handleMessage(message, wParam, lParam)) return 0;
    if (handleWindowMessage(message, wParam, lParam, result)) return result;
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
        if (const auto answer = messages_->handle(message, wParam, lParam, data, size)) return *answer;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool MainWindow::handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CREATE:
            dpi_ = ui::Dpi::of(window_);
            createControls();
            return true;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                shellLink_([](ShellCommands& s) { s.ApplicationMinimize(); });
            } else {
                layout();
            }
            return true;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {dpi_.scale(420), dpi_.scale(320)};
            return true;
        }
        case WM_DPICHANGED: {
            dpi_ = ui::Dpi(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            lvButtonList_.setDpi(dpi_);
            createFonts();
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            return true;
        }
        case WM_SETCURSOR: {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window_, &point);
            if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT && overSplitter(point)) {
                SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
                result = TRUE;
                return true;
            }
            return false;
        }
        case WM_LBUTTONDOWN:
            if (overSplitter({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                draggingSplitter_ = true;
                SetCapture(window_);
            }
            return true;
        case WM_MOUSEMOVE:
            if (draggingSplitter_) dragSplitter(GET_X_LPARAM(lParam));
            return true;
        case WM_LBUTTONUP:
            if (draggingSplitter_) {
                draggingSplitter_ = false;
                ReleaseCapture();
                // SplitterMoved: the whole window is drawn again.
                RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
            }
            return true;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, ui::solidBrush(ui::palette().window).get());
            result = 1;
            return true;
        }
        case WM_ACTIVATE:
            link_([active = LOWORD(wParam) != WA_INACTIVE](MainForm& f) { f.setActive(active); });
            if (LOWORD(wParam) != WA_INACTIVE && !activatedOnce_) {
                activatedOnce_ = true;
                PostMessageW(window_, kFormActivate, 0, 0);
            }
            return false;
        case wm::kVrxRefreshHighlight:
            link_([](MainForm& f) { f.RefreshTabHighlights(); });
            return true;
        case wm::kVrxUpdateJoysticks:
            link_([this](MainForm& f) { f.UpdateJoystickCount(hooks_.detectedCount()); });
            return true;
        case kFormActivate:
            shellLink_([](ShellCommands& s) { s.FormActivate(); });
            return true;
        case WM_ACTIVATEAPP:
            if (wParam) {
                link_([](MainForm& f) { f.ApplicationEventsActivate(); });
            } else {
                shellLink_([](ShellCommands& s) { s.ApplicationDeactivate(); });
            }
            return false;
        case WM_COMMAND:
            // Menus and accelerators; the controls' own notifications were
            // reflected to them above.
            if (lParam != 0 || HIWORD(wParam) != 0) return false;
            // Enter and Escape, which the dialog keyboard turns into these,
            // belong to the control that has the focus.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                const int key = LOWORD(wParam) == IDOK ? VK_RETURN : VK_ESCAPE;
                link_([key, focused = focusedControl()](MainForm& f) { return f.dialogKey(key, focused); });
                return true;
            }
            runCommand(LOWORD(wParam));
            return true;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == lbConfigList_.hwnd() && link_.attached()) {
                POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                int item = lbConfigList_.selected();
                if (screen.x != -1 || screen.y != -1) {
                    POINT client = screen;
                    ScreenToClient(lbConfigList_.hwnd(), &client);
                    item = lbConfigList_.itemAt(client);
                } else {
                    // From the keyboard: the menu opens at the list.
                    const RECT bounds = lbConfigList_.bounds();
                    screen = {bounds.left, bounds.top};
                    ClientToScreen(leftPanel_.hwnd(), &screen);
                }
                link_([item](MainForm& f) { f.lbConfigListMouseDown(true, item); });
                showConfigListMenu(screen);
                return true;
            }
            return false;
        case WM_TIMER:
            if (wParam == kDelayedExecTimer) {
                shellLink_([this](ShellCommands& s) {
                    s.DelayedExecTimerTimer(hooks_.menuOpen(), reinterpret_cast<uintptr_t>(window_));
                });
                return true;
            }
            return false;
        case WM_CLOSE:
            // Refused, the commands model has minimised the window instead.
            if (shellLink_.attached() && !shellLink_([](ShellCommands& s) { return s.FormCloseQuery(); }))
                return true;
            DestroyWindow(window_);
            return true;
        case WM_ENDSESSION:
            // The system may end the process without a close that runs: what
            // the close would save is saved here.
            if (wParam) DestroyWindow(window_);
            return true;
        case WM_DESTROY:
            log_.debug("Destroying application...");
            if (hooks_.stopping) hooks_.stopping();
            storeGeometry(settings_, currentGeometry(), dpi_.factor());
            trayIcon_.remove();
            KillTimer(window_, kDelayedExecTimer);
            if (hooks_.destroying) hooks_.destroying();
            link_.detach();
            shellLink_.detach();
            form_ = nullptr;
            shell_ = nullptr;
            messages_ = nullptr;
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            PostQuitMessage(0);
            return true;
        default:
            return false;
    }
}

void MainWindow::refresh() {
    if (!window_) return;
    const unsigned changes = form_->takeChanges();
    if (changes & kProfileListChanged) refreshProfileList();
    if (changes & kTabsChanged) refreshTabs();
    if (changes & kPageChanged) refreshPage();
    if (changes & kRowsChanged) {
        refreshRows();
    } else if (changes & kRowTextsChanged) {
        refreshRowTexts();
    }
    if (changes & (kSelectionChanged | kRowsChanged)) lvButtonList_.setSelectedRow(form_->selectedRow());
    if (changes & kCaptionChanged) SetWindowTextW(window_, toWide(form_->caption()).c_str());
    if (changes & kHighlightChanged) lvButtonList_.redrawRows();
    if (changes & kOptionsChanged) tsOptions_->refresh(form_->options().state());
    applyFocusRequest();
    refreshMenuChecks();
    shown_.store(shell_->windowShown(), std::memory_order_relaxed);
    const bool timerWanted = shell_->delayedExecTimerRunning();
    if (timerWanted) {
        SetTimer(window_, kDelayedExecTimer, kDelayedExecMs, nullptr);
    } else {
        KillTimer(window_, kDelayedExecTimer);
    }
}

void MainWindow::close() { shellLink_([](ShellCommands& s) { s.endSession(); }); }

void MainWindow::closeMainWindow() { PostMessageW(window_, WM_CLOSE, 0, 0); }

void MainWindow::showError(const char* text, const char* caption) {
    ui::showMessageBox(window_, text, caption, MessageIcon::Error);
}

void MainWindow::profileSwitched() { shellLink_([](ShellCommands& s) { s.OnProfileSwitched(); }); }

void MainWindow::minimizeApplication() {
    if (!IsIconic(window_)) ShowWindow(window_, SW_MINIMIZE);
}

void MainWindow::restoreApplication() {
    if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOW);
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    shellLink_([](ShellCommands& s) { s.ApplicationRestore(); });
}

void MainWindow::beep() { MessageBeep(MB_OK); }

void MainWindow::hideTaskbarWindow() { ShowWindow(window_, SW_HIDE); }

void MainWindow::showTaskbarWindow() { ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW); }

void MainWindow::bringToFront() { SetForegroundWindow(window_); }

void MainWindow::showMainWindow() {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void MainWindow::setBounds(int left, int top, int width, int height) {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    SetWindowPos(window_, nullptr, dpi_.scale(left), dpi_.scale(top), dpi_.scale(width),
                 dpi_.scale(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::showBalloon(const std::string& title, const std::string& text, int durationMs) {
    trayIcon_.showBalloon(title, text, static_cast<UINT>(durationMs));
}

void MainWindow::showImage(const std::string& path, int position, int durationMs) {
    if (hooks_.showImage) hooks_.showImage(path, position, durationMs);
}

void MainWindow::hideImage() {
    if (hooks_.hideImage) hooks_.hideImage();
}

void MainWindow::openAddress(const std::string& address) { openAddressWithShell(address); }

void MainWindow::exploreFolder(const std::string& folder) {
    ShellExecuteW(GetDesktopWindow(), L"explore", toWide(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::applyStyle(bool dark) {
    ui::Theme::setCurrent(dark ? ui::ThemeKind::Glow : ui::ThemeKind::Windows);
    ui::applyTheme(window_);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace vrx
