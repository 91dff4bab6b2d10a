#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A drop-down list (CBS_DROPDOWNLIST): the user chooses, never types.
class ComboBox : public Control {
public:
    bool create(HWND parent, int visibleItems = 12, int id = 0);
    using Control::setBounds;
    // height: the closed box's; the list below it holds visibleItems.
    void setBounds(int x, int y, int width, int height) override;

    void setItems(const std::vector<std::string>& items);
    int addItem(std::string_view text);
    void clear();
    int count() const;
    std::string itemText(int index) const;
    int selected() const;  // -1: none
    void setSelected(int index);

    // After the user chose another item.
    std::function<void(int index)> onChange;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

private:
    int visibleItems_ = 12;
};

}  // namespace vrx::ui
