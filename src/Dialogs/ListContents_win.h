#pragma once

#include <string>
#include <vector>

#include "Ui/ComboBox_win.h"
#include "Ui/ListView_win.h"

namespace vrx {

// A dialog's refresh runs after every user action. Lists are written only
// where they differ from what their control holds, so that a refresh after
// a keystroke neither flickers nor loses the list's scroll position, its
// selection or an editable box's text.

inline void showItems(ui::ComboBox& box, const std::vector<std::string>& items) {
    bool same = box.count() == static_cast<int>(items.size());
    for (int index = 0; same && index < box.count(); ++index)
        same = box.itemText(index) == items[static_cast<size_t>(index)];
    if (!same) box.setItems(items);
}

inline void showCell(ui::ListView& list, int row, int column, const std::string& text) {
    if (list.cellText(row, column) != text) list.setCellText(row, column, text);
}

inline void showRows(ui::ListView& list, const std::vector<std::vector<std::string>>& rows) {
    list.setRowCount(static_cast<int>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            showCell(list, static_cast<int>(row), static_cast<int>(column), rows[row][column]);
}

}  // namespace vrx
