#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vrx::ui {

// The messages of a control that holds a list of texts: a list box's and a
// combo box's do the same under other numbers.
struct TextItemMessages {
    UINT add;
    UINT textLength;
    UINT text;
    LRESULT error;
};

inline constexpr TextItemMessages kListBoxItems{LB_ADDSTRING, LB_GETTEXTLEN, LB_GETTEXT, LB_ERR};
inline constexpr TextItemMessages kComboBoxItems{CB_ADDSTRING, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ERR};

// The new item's index.
int addTextItem(HWND control, const TextItemMessages& messages, std::string_view text);
// Empty for an index outside the list.
std::string textItem(HWND control, const TextItemMessages& messages, int index);

}  // namespace vrx::ui
