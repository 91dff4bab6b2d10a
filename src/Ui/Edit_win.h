#pragma once

#include <functional>
#include <optional>

#include "Ui/Control_win.h"
#include "Ui/GdiObjects_win.h"

namespace vrx::ui {

// A single-line edit box.
class Edit : public Control {
public:
    ~Edit() override;

    struct Options {
        bool digitsOnly = false;  // ES_NUMBER
        bool readOnly = false;
        // Every key, Tab, Enter and Escape included, reaches onKeyDown
        // instead of the dialog's navigation.
        bool wantAllKeys = false;
        int maxLength = 0;  // 0: no limit
        // Several lines: Enter breaks the line, Tab still leaves the box.
        bool multiLine = false;
    };
    bool create(HWND parent, std::string_view text, Options options);
    bool create(HWND parent, std::string_view text = {}) { return create(parent, text, Options{}); }

    // The number in the box; nullopt when it is not one.
    std::optional<int> number() const;
    void selectAll();
    void setBackgroundColor(std::optional<COLORREF> color);

    // After the user changed the text (EN_CHANGE).
    std::function<void()> onChange;
    // When the box loses the focus.
    std::function<void()> onExit;
    // A key going down in the box (WM_KEYDOWN and WM_SYSKEYDOWN); return
    // true to consume it.
    std::function<bool(int virtualKey)> onKeyDown;
    // A character typed into the box (WM_CHAR); return true to swallow it.
    std::function<bool(wchar_t character)> onChar;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Options options_;
    std::optional<COLORREF> background_;
    Brush backgroundBrush_;
};

}  // namespace vrx::ui
