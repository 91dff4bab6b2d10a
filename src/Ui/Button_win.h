#pragma once

#include <functional>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A push button. In the dark style it is drawn by this class (owner draw),
// since neither Wine nor Windows colour a push button from WM_CTLCOLORBTN.
class Button : public Control {
public:
    // id IDOK or IDCANCEL lets a dialog's Enter and Escape reach it.
    bool create(HWND parent, std::string_view caption, bool defaultButton = false, int id = 0);
    void click();  // as the user's click: runs onClick

    std::function<void()> onClick;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

private:
    void draw(const DRAWITEMSTRUCT& item) const;
    bool default_ = false;
};

// What check boxes and radio buttons share: the classic look in the dark
// style, whose own disabled caption, embossed in the system's light colours,
// would read as enabled there; a disabled one is painted by this class.
class CheckMarkButton : public Control {
public:
    void setChecked(bool checked);
    bool checked() const;

    void applyTheme(bool dark) override;

protected:
    // DFCS_BUTTONCHECK or DFCS_BUTTONRADIO: the box DrawFrameControl draws.
    explicit CheckMarkButton(UINT boxKind) : boxKind_(boxKind) {}
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void paintDisabled();
    UINT boxKind_;
};

// A check box (BS_AUTOCHECKBOX).
class CheckBox : public CheckMarkButton {
public:
    CheckBox() : CheckMarkButton(DFCS_BUTTONCHECK) {}
    bool create(HWND parent, std::string_view caption, int id = 0);

    // After the user changed the check mark (not after setChecked).
    std::function<void(bool checked)> onChange;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A radio button (BS_AUTORADIOBUTTON); the first of a group starts it
// (WS_GROUP), so the arrow keys move within the group.
class RadioButton : public CheckMarkButton {
public:
    RadioButton() : CheckMarkButton(DFCS_BUTTONRADIO) {}
    bool create(HWND parent, std::string_view caption, bool firstOfGroup, int id = 0);

    // When the user selects this button.
    std::function<void()> onClick;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A group box frame with its caption. Create it before the controls inside
// it so the tab order and the painting order match.
class GroupBox : public Control {
public:
    bool create(HWND parent, std::string_view caption);

    void applyTheme(bool dark) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace vrx::ui
