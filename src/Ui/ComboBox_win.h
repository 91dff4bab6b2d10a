#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Ui/Control_win.h"

namespace vrx::ui {

// A drop-down list (CBS_DROPDOWNLIST): the user chooses, never types.
// Made editable (CBS_DROPDOWN), it also takes typed text.
class ComboBox : public Control {
public:
    bool create(HWND parent, int visibleItems = 12, int id = 0);
    bool createEditable(HWND parent, int visibleItems = 12, int id = 0);
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
    // After the user typed into an editable box.
    std::function<void(const std::string& text)> onEditChange;

    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;

private:
    bool create(HWND parent, int visibleItems, int id, DWORD kind);

    int visibleItems_ = 12;
};

}  // namespace vrx::ui
