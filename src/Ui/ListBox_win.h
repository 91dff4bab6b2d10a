#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A single-selection list box.
class ListBox : public Control {
public:
    bool create(HWND parent, int id = 0);

    void setItems(const std::vector<std::string>& items);
    int addItem(std::string_view text);
    void clear();
    int count() const;
    std::string itemText(int index) const;
    int selected() const;  // -1: none
    void setSelected(int index);
    // The item under a point in client coordinates, or -1.
    int itemAt(POINT client) const;

    std::function<void(int index)> onChange;
    std::function<void(int index)> onDoubleClick;
    std::function<bool(int virtualKey)> onKeyDown;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace vrx::ui
