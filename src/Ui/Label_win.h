#pragma once

#include <functional>

#include "Ui/Control_win.h"
#include "Ui/UiFont_win.h"

namespace vrx::ui {

enum class TextAlign { Left, Centre, Right };

// A static text. As a link it is blue and underlined, shows the hand
// cursor and reports clicks.
class Label : public Control {
public:
    struct Options {
        TextAlign align = TextAlign::Left;
        bool bold = false;
        bool wordWrap = true;
        bool link = false;
    };
    bool create(HWND parent, std::string_view text, Options options);
    bool create(HWND parent, std::string_view text) { return create(parent, text, Options{}); }

    // Clicks on a link label.
    std::function<void()> onClick;

    void setFont(const UiFont& normal, const UiFont& bold) override;
    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Options options_;
    UiFont linkFont_;
};

}  // namespace vrx::ui
