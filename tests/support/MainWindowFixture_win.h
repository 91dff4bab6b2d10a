#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/AppCaptureDialog_win.h"
#include "Dialogs/AssignEditor_win.h"
#include "Joystick/DeviceList.h"
#include "Main/AppMessages.h"
#include "Main/MainForm.h"
#include "Main/MainWindowDialogs_win.h"
#include "Main/MainWindow_win.h"
#include "Main/ShellCommands.h"
#include "Main/UiThreadHooks_win.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/WideText_win.h"
#include "Utils/WindowInfo_win.h"
#include "support/CountingLock.h"
#include "support/EngineHarness.h"
#include "support/ProgramInstance_win.h"
#include "support/ScriptedFormUi.h"
#include "support/ShellRecorder.h"
#include "support/TempFolder.h"

// The main window for real, in this process, over a profile folder of its
// own, and the helpers that drive it as a user would: find a control, read a
// list cell, answer the modal dialog or box that a click opens. It opens
// windows, so under Wine it needs the X display that scripts/test.sh
// provides.

namespace vrx::test {

namespace fs = std::filesystem;

inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline std::wstring className(HWND window) {
    wchar_t name[128] = L"";
    GetClassNameW(window, name, 128);
    return name;
}

// The first descendant of the class, with the text when one is given.
inline HWND findChild(HWND parent, const std::wstring& windowClass, const std::wstring& text = {}) {
    struct Query {
        std::wstring windowClass, text;
        HWND found = nullptr;
    } query{windowClass, text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(data);
            if (className(child) != q.windowClass || (!q.text.empty() && windowText(child) != q.text)) return TRUE;
            q.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

inline std::string cell(HWND list, int row, int column) {
    wchar_t text[512] = L"";
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return toUtf8(text);
}

// Every control of the class under parent, with the text when one is given,
// in creation order. The edit box inside a combo box is part of that combo
// box, not a control of its own.
inline std::vector<HWND> children(HWND parent, const std::wstring& windowClass, const std::wstring& text = {}) {
    struct Query {
        std::wstring windowClass, text;
        std::vector<HWND> found;
    } query{windowClass, text, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(data);
            if (className(child) == q.windowClass && (q.text.empty() || windowText(child) == q.text) &&
                className(GetParent(child)) != L"ComboBox")
                q.found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// The n-th of them, or null (messages to null go nowhere, and the checks fail).
inline HWND nth(const std::vector<HWND>& windows, size_t n) { return n < windows.size() ? windows[n] : nullptr; }

// A choice in a drop-down list as the user makes it: the box changes and
// tells its parent.
inline void choose(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

inline void selectRow(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Clicks the button at once: what the click does is done on return.
inline void clickButton(HWND dialog, const std::wstring& caption) {
    HWND button = findChild(dialog, L"Button", caption);
    ASSERT_NE(button, nullptr) << toUtf8(caption);
    SendMessageW(button, BM_CLICK, 0, 0);
}

// Pumps this thread's messages until done holds or the time is up.
inline bool pumpUntil(const std::function<bool()>& done, DWORD ms = 3000) {
    const ULONGLONG until = GetTickCount64() + ms;
    while (GetTickCount64() < until) {
        pump();
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

// Answers the windows that come to the front one after another, each with
// the next step, from inside their modal loops: a thread timer fires there
// and hands over the window in front. A window is not answered twice in a
// row, so a step never meets the window that the step before is still
// closing; a dialog shown again is a new window. The steps are one script
// for the thread: a new one, as a step may start for a dialog it opens,
// replaces what is left of the one before.
class DialogSteps {
public:
    explicit DialogSteps(std::deque<std::function<void(HWND)>> steps) {
        state() = {std::move(steps), nullptr};
        timer_ = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            State& s = state();
            HWND front = GetActiveWindow();
            if (s.steps.empty() || !front || front == s.last || className(front) == L"TMainForm") return;
            s.last = front;
            auto step = std::move(s.steps.front());
            s.steps.pop_front();
            step(front);
        });
    }
    ~DialogSteps() {
        KillTimer(nullptr, timer_);
        state() = {};
    }
    DialogSteps(const DialogSteps&) = delete;
    DialogSteps& operator=(const DialogSteps&) = delete;
    size_t left() const { return state().steps.size(); }

private:
    struct State {
        std::deque<std::function<void(HWND)>> steps;
        HWND last = nullptr;
    };
    static State& state() {
        static State s;
        return s;
    }
    UINT_PTR timer_ = 0;
};

// Answers the next dialog or box that a click opens.
class DialogAnswer : public DialogSteps {
public:
    explicit DialogAnswer(std::function<void(HWND)> answer) : DialogSteps({std::move(answer)}) {}
};

// Types a name into the name dialog and presses its OK button.
inline std::function<void(HWND)> typeName(const std::string& name) {
    return [name](HWND dialog) {
        SetWindowTextW(findChild(dialog, L"Edit"), toWide(name).c_str());
        SendMessageW(findChild(dialog, L"Button", L"OK"), BM_CLICK, 0, 0);
    };
}

inline std::function<void(HWND)> pressButton(int id) {
    return [id](HWND box) { PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(id), 0); };
}

struct MainWindowFixture {
    TempFolder folder;
    EngineHarness h;
    GlobalSettings settings;
    CountingLock lock;
    MainWindowDialogs dialogs{[this] { return window.handle(); }};
    ConfigFileManager manager{folder.path(), settings, h.engine, lock, dialogs, h.log};
    DeviceList devices;
    DeviceTemplateManager templates{folder / "templates.json", h.log};
    CountingSettingsStore store;
    CountingDeviceUi deviceUi;
    UiThreadHooks keyHooks;
    AssignEditor assignEditor{AssignEditorParts{lock, h.engine.tickContext(), usKeyboardLayout(),
                                                [this] { return window.handle(); },
                                                [this] { return keyHooks.lastKeyDown(); }}};
    MainForm form{MainFormParts{manager, h.engine, lock, settings, devices, templates, dialogs, assignEditor, dialogs,
                                store,
                                OptionsPageParts{manager, lock, h.engine.tickContext(), deviceUi, dialogs,
                                                 folder.path(), h.log},
                                h.log, usKeyboardLayout(), dialogs}};
    ShellSurroundings around{folder.path(), lock, settings, h.log};
    Recorder& r = around.r;
    // The menus' dialogs are the real ones, over the window.
    ShellCommands shell{ShellParts{form, manager, settings, around.appLink, r, r, window, dialogs, dialogs, window, r,
                                   r, r, store, around.notice, folder.path(), around.firstRun, h.log}};
    AppMessages messages{manager, h.engine.virtualInput(), window, systemAnsiCodePage(), h.log};
    SystemWindowInfo windowInfo{h.log};
    // Last, so that it goes first: its destruction still reaches the models.
    MainWindow window{settings, h.log, hooks()};

    MainWindowFixture() {
        for (const char* name : {"Game.cfg", "Menu.cfg"})
            fs::copy_file(fs::path(VANTORIX_EXAMPLES_DIR) / "rapid-fire" / name, folder / name);
        settings.fileName = "Game";
        dialogs.setAppLinkParts(
            {around.appLink, manager.names(), systemForegroundWindow(), windowInfo, window, h.log});
        keyHooks.installKeyHook();
        EXPECT_TRUE(window.create(GetModuleHandleW(nullptr), "Vantorix v7.4.1"));
        manager.scan();
        window.attach(form, shell, messages);
        window.restoreGeometry();
        form.reloadProfileList();
        form.UpdateCaption();
        window.sync();
        window.show(StartShow::AsAsked);
        pump();
    }

    static MainWindow::Hooks hooks() {
        MainWindow::Hooks hooks;
        hooks.menuOpen = [] { return false; };
        hooks.detectedCount = [] { return 0; };
        return hooks;
    }

    HWND main() const { return window.handle(); }
    HWND buttonList() const { return findChild(main(), WC_LISTVIEWW); }
    void click(const std::wstring& caption) { SendMessageW(findChild(main(), L"Button", caption), BM_CLICK, 0, 0); }
    void command(Command item) { SendMessageW(main(), WM_COMMAND, static_cast<WPARAM>(item), 0); }
    std::vector<std::string> listedProfiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.path().extension() == ".cfg") names.push_back(entry.path().stem().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace vrx::test
