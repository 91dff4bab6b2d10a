#pragma once

#include <functional>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A plain area that holds other controls: a page of a tab strip, the left
// side of a window. Hiding it hides what it holds; it passes its
// children's notifications on to them, paints the theme's background and
// lets the dialog keyboard move into it (WS_EX_CONTROLPARENT). Content
// taller than the panel scrolls with a vertical scroll bar.
class Panel : public Control {
public:
    struct Options {
        // Children are left out of the panel's own painting: no flicker
        // under controls that paint all of themselves. A page with group
        // boxes, which paint only their frame, must not clip them.
        bool clipChildren = true;
        bool scrolls = false;
    };
    bool create(HWND parent, Options options);
    bool create(HWND parent) { return create(parent, Options{}); }

    // The height of what the panel holds, in pixels; beyond the panel's own
    // height the scroll bar appears.
    void setContentHeight(int height);
    // How far the content is scrolled up, in pixels.
    int scrollPosition() const { return position_; }

    // After the panel's size changed: the owner places the children.
    std::function<void(int width, int height)> onResize;
    // After the content scrolled: the owner places the children again.
    std::function<void(int position)> onScroll;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void scrollTo(int position);
    void updateScrollBar();

    int contentHeight_ = 0;
    int position_ = 0;
};

}  // namespace vrx::ui
