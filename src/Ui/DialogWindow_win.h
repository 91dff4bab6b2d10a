#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Ui/Button_win.h"
#include "Ui/Dpi_win.h"
#include "Ui/UiFont_win.h"

namespace vrx::ui {

enum class DialogPlacement { CentreOnOwner, CentreOnScreen };

// A modal top-level window built from code: the small and the later
// dialogs derive from it. It gives them the font, the DPI, the theme, the
// keyboard of a dialog (Tab in creation order, Enter for the default
// button, Escape for cancel, access keys) and the modal loop.
class DialogWindow {
public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    virtual ~DialogWindow();

    // Creates the window, shows it modal over owner (which may be null) and
    // returns the code given to endDialog once it closes.
    int showModal(HWND owner);
    void endDialog(int code);

    HWND hwnd() const { return window_; }
    Dpi dpi() const { return dpi_; }
    const UiFont& font() const { return font_; }
    void setTitle(std::string_view title);

    // Called once the dialog is shown, inside its modal loop (tests post
    // their input from here).
    std::function<void(DialogWindow&)> onShown;

protected:
    explicit DialogWindow(DialogPlacement placement = DialogPlacement::CentreOnOwner);

    // The client size at 96 DPI.
    virtual SIZE designSize() const = 0;
    // Creates the controls, in tab order.
    virtual void createControls() = 0;
    // Places the controls at the current DPI (place(), dpi()); run again after a
    // DPI change.
    virtual void layout() = 0;
    // The dialog is shown and active (FormActivate).
    virtual void activated() {}
    // Escape, the close box, or a Cancel button with id IDCANCEL.
    virtual void cancel() { endDialog(IDCANCEL); }
    // Further window messages; true when handled.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Sets a control's bounds given at 96 DPI.
    void place(Control& control, int x, int y, int width, int height) const {
        control.setBounds(dpi_.rect(x, y, width, height));
    }

    // The button Enter presses.
    void setDefaultButton(Button& button) { defaultButton_ = &button; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void applyFonts();
    void centre(HWND owner);

    DialogPlacement placement_;
    std::string title_;
    HWND window_ = nullptr;
    Dpi dpi_;
    UiFont font_;
    UiFont boldFont_;
    Button* defaultButton_ = nullptr;
    bool ended_ = false;
    int code_ = 0;
};

}  // namespace vrx::ui
