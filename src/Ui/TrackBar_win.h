#pragma once

#include <functional>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A horizontal track bar.
class TrackBar : public Control {
public:
    bool create(HWND parent, int minimum, int maximum, int id = 0);
    // Minimum at the top.
    bool createVertical(HWND parent, int minimum, int maximum, int id = 0);

    void setRange(int minimum, int maximum);
    void setValue(int value);
    int value() const;
    void setTickFrequency(int every);
    void setPageSize(int size);

    // After the user moved the thumb.
    std::function<void(int value)> onChange;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;
};

}  // namespace vrx::ui
