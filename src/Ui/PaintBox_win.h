#pragma once

#include <functional>

#include "Ui/Control_win.h"

namespace vrx::ui {

// An area the owner paints: onPaint draws into a memory bitmap that is then
// copied to the screen, so repeated redraws do not flicker.
class PaintBox : public Control {
public:
    bool create(HWND parent, int id = 0);

    std::function<void(HDC dc, const RECT& client)> onPaint;
    std::function<void(POINT client)> onClick;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace vrx::ui
