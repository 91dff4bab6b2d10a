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
    bool isDefault() const { return default_; }

    std::function<void()> onClick;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

private:
    void draw(const DRAWITEMSTRUCT& item) const;
    bool default_ = false;
};

// A check box (BS_AUTOCHECKBOX).
class CheckBox : public Control {
public:
    bool create(HWND parent, std::string_view caption, int id = 0);
    void setChecked(bool checked);
    bool checked() const;

    // After the user changed the check mark (not after setChecked).
    std::function<void(bool checked)> onChange;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;
};

// A radio button (BS_AUTORADIOBUTTON); the first of a group starts it
// (WS_GROUP), so the arrow keys move within the group.
class RadioButton : public Control {
public:
    bool create(HWND parent, std::string_view caption, bool firstOfGroup, int id = 0);
    void setChecked(bool checked);
    bool checked() const;

    // When the user selects this button.
    std::function<void()> onClick;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;
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
