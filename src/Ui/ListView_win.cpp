#include "Ui/ListView_win.h"

#include "Ui/Dpi_win.h"
#include "Ui/Theme_win.h"
#include "Ui/UiFont_win.h"
#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

int columnFormat(TextAlign align) {
    switch (align) {
        case TextAlign::Centre: return LVCFMT_CENTER;
        case TextAlign::Right: return LVCFMT_RIGHT;
        default: return LVCFMT_LEFT;
    }
}

}  // namespace

ListView::~ListView() = default;

bool ListView::create(HWND parent, int id) {
    if (!createWindow(parent, WC_LISTVIEWW, {},
                      WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, id))
        return false;
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    send(LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    return true;
}

void ListView::setGridLines(bool on) { send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, on ? LVS_EX_GRIDLINES : 0); }

void ListView::setColumns(const std::vector<ListColumn>& columns) {
    while (send(LVM_DELETECOLUMN, 0)) {
    }
    columns_ = columns;
    for (size_t i = 0; i < columns.size(); ++i) {
        std::wstring title = toWide(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = columnFormat(columns[i].align);
        column.cx = dpi_.scale(columns[i].width96);
        column.pszText = title.data();
        send(LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void ListView::setDpi(Dpi dpi) {
    dpi_ = dpi;
    for (size_t i = 0; i < columns_.size(); ++i)
        send(LVM_SETCOLUMNWIDTH, i, dpi.scale(columns_[i].width96));
}

int ListView::columnWidth(int column) const {
    return static_cast<int>(send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int ListView::addRow(const std::vector<std::string>& texts, int data) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = rowCount();
    std::wstring first = texts.empty() ? std::wstring() : toWide(texts[0]);
    item.pszText = first.data();
    item.lParam = data;
    const int row = static_cast<int>(send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return row;
    for (size_t column = 1; column < texts.size(); ++column)
        setCellText(row, static_cast<int>(column), texts[column]);
    return row;
}

void ListView::setRowTexts(int row, const std::vector<std::string>& texts) {
    for (size_t column = 0; column < texts.size(); ++column)
        setCellText(row, static_cast<int>(column), texts[column]);
}

void ListView::setCellText(int row, int column, std::string_view text) {
    std::wstring wide = toWide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListView::cellText(int row, int column) const {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    const LRESULT length = send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return toUtf8(std::wstring_view(buffer, static_cast<size_t>(length)));
}

int ListView::rowData(int row) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return static_cast<int>(item.lParam);
}

void ListView::setRowCount(int count) {
    while (rowCount() > count) send(LVM_DELETEITEM, static_cast<WPARAM>(rowCount() - 1));
    while (rowCount() < count) addRow({});
}

int ListView::rowCount() const { return static_cast<int>(send(LVM_GETITEMCOUNT)); }

void ListView::setRedraw(bool on) { send(WM_SETREDRAW, on ? TRUE : FALSE); }

void ListView::clear() { send(LVM_DELETEALLITEMS); }

int ListView::selectedRow() const {
    return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::setSelectedRow(int row, bool ensureVisible) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Clear every row first (-1), then select the one asked for.
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row < 0) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (ensureVisible) send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int ListView::rowAt(POINT client) const { return cellAt(client).row; }

ListView::Cell ListView::cellAt(POINT client) const {
    LVHITTESTINFO hit{};
    hit.pt = client;
    const int row = static_cast<int>(send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0) return {};
    return {row, hit.iSubItem};
}

RECT ListView::cellBounds(int row, int column) const {
    RECT bounds{};
    bounds.top = column;
    bounds.left = LVIR_BOUNDS;
    send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    // The first column's bounds are the whole row's.
    if (column == 0) bounds.right = bounds.left + columnWidth(0);
    return bounds;
}

void ListView::redrawRows() { invalidate(); }

void ListView::setFont(const UiFont& normal, const UiFont& bold) {
    Control::setFont(normal, bold);
    boldFont_ = bold.handle();
}

void ListView::applyTheme(bool dark) {
    const Palette& palette = glowPalette();
    send(LVM_SETBKCOLOR, 0, dark ? palette.field : GetSysColor(COLOR_WINDOW));
    send(LVM_SETTEXTBKCOLOR, 0, dark ? palette.field : CLR_DEFAULT);
    send(LVM_SETTEXTCOLOR, 0, dark ? palette.text : GetSysColor(COLOR_WINDOWTEXT));
    if (!runningUnderWine()) {
        setSystemControlTheme(hwnd(), dark ? L"DarkMode_Explorer" : L"Explorer", nullptr);
        if (HWND header = reinterpret_cast<HWND>(send(LVM_GETHEADER)))
            setSystemControlTheme(header, dark ? L"DarkMode_ItemsView" : nullptr, nullptr);
    }
}

bool ListView::onReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
        case NM_CUSTOMDRAW:
            result = customDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            return true;
        case LVN_BEGINLABELEDITW:
        case LVN_BEGINLABELEDITA:
            result = TRUE;  // no in-place editing of the first column
            return true;
        case LVN_ITEMCHANGED: {
            const auto& change = *reinterpret_cast<NMLISTVIEW*>(lParam);
            const bool nowSelected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
            if ((change.uChanged & LVIF_STATE) && nowSelected && onSelectionChange) onSelectionChange(change.iItem);
            result = 0;
            return true;
        }
        case NM_DBLCLK:
            if (onDoubleClick) onDoubleClick(reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
            result = 0;
            return true;
        case NM_CLICK: {
            POINT client;
            cursorPosition(client);
            if (onClick) onClick(cellAt(client));
            result = 0;
            return true;
        }
        case NM_RCLICK: {
            POINT client;
            const POINT screen = cursorPosition(client);
            if (onRightClick) onRightClick(rowAt(client), screen);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

// https://learn.microsoft.com/windows/win32/controls/about-custom-draw
// Rows are coloured item by item: asking CDRF_NOTIFYITEMDRAW at pre-paint
// brings one CDDS_ITEMPREPAINT per row, where the colours and font are set.
LRESULT ListView::customDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const int row = static_cast<int>(draw.nmcd.dwItemSpec);
            bool selectedInDark = false;
            // The system paints a selected row in its own light colours
            // unless the row is drawn as not selected with ours.
            if (rowLookPaintsSelection || Theme::dark()) draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
            if (Theme::dark() && !rowLookPaintsSelection) {
                selectedInDark = send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED;
                draw.clrText = selectedInDark ? glowPalette().selectionText : glowPalette().text;
                draw.clrTextBk = selectedInDark ? glowPalette().selection : glowPalette().field;
            }
            if (!rowLook) return CDRF_DODEFAULT;
            const RowLook look = rowLook(row);
            // A selected row keeps the selection's colours, but its weight.
            if (look.background != CLR_DEFAULT && !selectedInDark) draw.clrTextBk = look.background;
            if (look.text != CLR_DEFAULT && !selectedInDark) draw.clrText = look.text;
            if (look.bold && boldFont_) {
                SelectObject(draw.nmcd.hdc, boldFont_);
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

LRESULT ListView::headerCustomDraw(NMCUSTOMDRAW& draw) {
    if (!Theme::dark()) return CDRF_DODEFAULT;
    const Palette& palette = glowPalette();
    HWND header = draw.hdr.hwndFrom;
    switch (draw.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPREPAINT: {
            RECT cell = draw.rc;
            FillRect(draw.hdc, &cell, Theme::controlBrush());
            RECT line{cell.right - 1, cell.top + 2, cell.right, cell.bottom - 2};
            FillRect(draw.hdc, &line, Theme::borderBrush());
            wchar_t text[256] = {};
            HDITEMW item{};
            item.mask = HDI_TEXT | HDI_FORMAT;
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(header, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
            UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER  ? DT_CENTER
                         : (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? DT_RIGHT
                                                                      : DT_LEFT;
            InflateRect(&cell, -6, 0);
            SetBkMode(draw.hdc, TRANSPARENT);
            SetTextColor(draw.hdc, palette.text);
            DrawTextW(draw.hdc, text, -1, &cell, align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
            return CDRF_SKIPDEFAULT;
        }
        case CDDS_POSTPAINT: {
            // The header's area right of the last column.
            const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
            RECT last{};
            if (count > 0) SendMessageW(header, HDM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
            RECT client;
            GetClientRect(header, &client);
            client.left = last.right;
            FillRect(draw.hdc, &client, Theme::controlBrush());
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

bool ListView::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_NOTIFY: {
            // The header is the list's own child: its notifications come
            // here, not to the list's parent.
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code != NM_CUSTOMDRAW || header->hwndFrom != reinterpret_cast<HWND>(send(LVM_GETHEADER)))
                return false;
            result = headerCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            return true;
        }
        case WM_CTLCOLOREDIT:
            // An editor placed over a cell is the list's own child and asks
            // the list for its colours.
            return reflectToControl(hwnd(), message, wParam, lParam, result);
        case WM_KEYDOWN:
            if (onKeyDown && onKeyDown(static_cast<int>(wParam))) {
                result = 0;
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace vrx::ui
