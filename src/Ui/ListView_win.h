#pragma once

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "Ui/Control_win.h"
#include "Ui/Label_win.h"

namespace vrx::ui {

// How one row looks; CLR_DEFAULT keeps the list's own colour.
struct RowLook {
    COLORREF background = CLR_DEFAULT;
    COLORREF text = CLR_DEFAULT;
    bool bold = false;
};

struct ListColumn {
    std::string title;
    int width96;  // at 96 DPI
    TextAlign align = TextAlign::Left;
};

// A report-mode list view: whole-row selection, one selected row, native
// double buffering, no in-place label editing. Each row carries an int.
class ListView : public Control {
public:
    bool create(HWND parent, int id = 0);
    void setGridLines(bool on);

    // Columns with their widths at 96 DPI; rescaled by setDpi.
    void setColumns(const std::vector<ListColumn>& columns);
    void setDpi(Dpi dpi);
    int columnWidth(int column) const;  // in pixels

    int addRow(const std::vector<std::string>& texts, int data = 0);
    void setRowTexts(int row, const std::vector<std::string>& texts);
    void setCellText(int row, int column, std::string_view text);
    std::string cellText(int row, int column) const;
    int rowData(int row) const;
    void setRowCount(int count);  // adds empty rows or removes from the end
    int rowCount() const;
    void clear();
    // Off while many rows change, so the list draws once (WM_SETREDRAW);
    // switching it on again does not redraw by itself.
    void setRedraw(bool on);

    int selectedRow() const;  // -1: none
    void setSelectedRow(int row, bool ensureVisible = true);
    // The row under a point in client coordinates, or -1.
    int rowAt(POINT client) const;
    // The row and column under a point in client coordinates; -1 for
    // either that it is not on.
    struct Cell {
        int row = -1;
        int column = -1;
    };
    Cell cellAt(POINT client) const;
    // A cell's rectangle in the list's client coordinates.
    RECT cellBounds(int row, int column) const;
    // Redraws the rows (colours asked again) without erasing first.
    void redrawRows();

    // Asked for every row as it is drawn.
    std::function<RowLook(int row)> rowLook;
    // The selected row too is drawn only as rowLook says, focused or not.
    bool rowLookPaintsSelection = false;
    std::function<void(int row)> onSelectionChange;
    std::function<void(int row)> onDoubleClick;
    // Left click: the cell under the pointer.
    std::function<void(Cell cell)> onClick;
    // Right click: the row under the pointer (or -1) and the screen point.
    std::function<void(int row, POINT screen)> onRightClick;
    std::function<bool(int virtualKey)> onKeyDown;

    ~ListView() override;
    bool onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void applyTheme(bool dark) override;
    void setFont(const UiFont& normal, const UiFont& bold) override;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT customDraw(NMLVCUSTOMDRAW& draw);
    LRESULT headerCustomDraw(NMCUSTOMDRAW& draw);

    std::vector<ListColumn> columns_;
    Dpi dpi_;
    HFONT boldFont_ = nullptr;
};

}  // namespace vrx::ui
