#include "Ui/TrackBar_win.h"

#include <commctrl.h>

#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"

namespace vrx::ui {

bool TrackBar::create(HWND parent, int minimum, int maximum, int id) {
    if (!createWindow(parent, TRACKBAR_CLASSW, {}, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, 0, id)) return false;
    setRange(minimum, maximum);
    return true;
}

bool TrackBar::createVertical(HWND parent, int minimum, int maximum, int id) {
    if (!createWindow(parent, TRACKBAR_CLASSW, {}, WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS, 0, id)) return false;
    setRange(minimum, maximum);
    return true;
}

void TrackBar::setRange(int minimum, int maximum) {
    send(TBM_SETRANGEMIN, FALSE, minimum);
    send(TBM_SETRANGEMAX, TRUE, maximum);
}

void TrackBar::setValue(int value) { send(TBM_SETPOS, TRUE, value); }

int TrackBar::value() const { return static_cast<int>(send(TBM_GETPOS)); }

void TrackBar::setTickFrequency(int every) { send(TBM_SETTICFREQ, static_cast<WPARAM>(every)); }

void TrackBar::setPageSize(int size) { send(TBM_SETPAGESIZE, 0, size); }

bool TrackBar::onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        // TB_ENDTRACK follows every move the user makes: one report each.
        if (LOWORD(wParam) != TB_ENDTRACK && onChange) onChange(value());
        result = 0;
        return true;
    }
    if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != NM_CUSTOMDRAW || !Theme::dark())
        return false;
    // https://learn.microsoft.com/windows/win32/controls/nm-customdraw-trackbar
    // The channel and the thumb in the palette; the ticks stay the system's.
    auto& draw = *reinterpret_cast<NMCUSTOMDRAW*>(lParam);
    const Palette& palette = glowPalette();
    switch (draw.dwDrawStage) {
        case CDDS_PREPAINT:
            result = CDRF_NOTIFYITEMDRAW;
            return true;
        case CDDS_ITEMPREPAINT:
            if (draw.dwItemSpec == TBCD_CHANNEL) {
                FillRect(draw.hdc, &draw.rc, Theme::fieldBrush());
                FrameRect(draw.hdc, &draw.rc, Theme::borderBrush());
                result = CDRF_SKIPDEFAULT;
                return true;
            }
            if (draw.dwItemSpec == TBCD_THUMB) {
                FillRect(draw.hdc, &draw.rc,
                         solidBrush(draw.uItemState & CDIS_SELECTED ? palette.focus : palette.controlHot).get());
                FrameRect(draw.hdc, &draw.rc, Theme::borderBrush());
                result = CDRF_SKIPDEFAULT;
                return true;
            }
            result = CDRF_DODEFAULT;
            return true;
        default:
            result = CDRF_DODEFAULT;
            return true;
    }
}

void TrackBar::applyTheme(bool) {
    // The background comes from WM_CTLCOLORSTATIC, asked at each full paint.
    InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace vrx::ui
