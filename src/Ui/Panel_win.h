#pragma once

#include <functional>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A plain area that holds other controls: a page of a tab strip, the left
// side of a window. Hiding it hides what it holds; it passes its
// children's notifications on to them, paints the theme's background and
// lets the dialog keyboard move into it (WS_EX_CONTROLPARENT).
class Panel : public Control {
public:
    bool create(HWND parent, int id = 0);

    // After the panel's size changed: the owner places the children.
    std::function<void(int width, int height)> onResize;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace vrx::ui
