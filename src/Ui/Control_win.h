#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vrx::ui {

class UiFont;

// The base of every control class: owns one child window, subclassed with
// a pointer back to this object (the subclass reference data), through
// which the parent's notifications reach it (reflectToControl).
// Not copyable nor movable: the window holds the object's address.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return window_; }
    int id() const { return id_; }
    explicit operator bool() const { return window_ != nullptr; }
    void destroy();

    void setBounds(const RECT& bounds);
    virtual void setBounds(int x, int y, int width, int height);
    RECT bounds() const;  // in the parent's client coordinates

    void setText(std::string_view text);
    // Sets a different text only: rewriting a box's text moves its caret.
    void showText(std::string_view text);
    std::string text() const;
    void setVisible(bool visible);
    bool visible() const;
    void setEnabled(bool enabled);
    bool enabled() const;
    void setFocus();
    bool focused() const;
    // Makes this control the first of a group (WS_GROUP): the arrow keys of
    // the radio buttons before it stop here.
    void startGroup();
    // Tooltip text ("hint"); empty removes it.
    void setHint(std::string_view hint);

    // The font the dialog or window hands its controls; bold controls take
    // the bold one.
    virtual void setFont(const UiFont& normal, const UiFont& bold);
    // Called by applyTheme after Theme::current() changed or at creation.
    virtual void applyTheme(bool dark);
    // Redraws without erasing first (no flicker).
    void invalidate();

    // Called for a parent notification about this control (WM_COMMAND,
    // WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*, WM_DRAWITEM);
    // true when handled, with the answer in result.
    virtual bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The control object behind a window of this layer, or null.
    static Control* fromWindow(HWND window);

protected:
    // Creates the window and subclasses it. A zero id takes the next free
    // one from a process-wide counter (ids from 1000 up).
    bool createWindow(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                      DWORD exStyle = 0, int id = 0);
    // The control's own messages (before the system's procedure); true when
    // handled, with the answer in result.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The pointer's place on the screen, and in client coordinates.
    POINT cursorPosition(POINT& client) const;

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR subclassId, DWORD_PTR referenceData);

    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    int id_ = 0;
};

// To be called first by a parent's window procedure: passes the
// notifications that concern a child of this layer to it. Returns true
// when the child handled the message; result is then the answer.
// A WM_CTLCOLOR* for a plain child gets the theme's colours.
bool reflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace vrx::ui
