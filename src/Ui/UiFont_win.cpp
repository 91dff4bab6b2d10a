#include "Ui/UiFont_win.h"

#include <cwchar>
#include <utility>

#include "Ui/Dpi_win.h"

namespace vrx::ui {
namespace {

bool faceInstalled(HDC dc, const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(
        dc, &query,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring chooseFace() {
    // Wine and older systems lack the Windows 10 UI fonts; a face without
    // Japanese glyphs would show boxes, so the Noto face comes before the
    // last resort.
    const wchar_t* faces[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"Noto Sans CJK JP"};
    HDC dc = GetDC(nullptr);
    std::wstring chosen = faces[0];
    for (const wchar_t* face : faces) {
        if (faceInstalled(dc, face)) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(nullptr, dc);
    return chosen;
}

HFONT makeFont(int height, bool bold, bool underline) {
    return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                       uiFaceName().c_str());
}

}  // namespace

const std::wstring& uiFaceName() {
    static const std::wstring face = chooseFace();
    return face;
}

UiFont::UiFont(int height, bool bold, bool underline, Dpi dpi, int points)
    : height96_(height), points_(points), bold_(bold), underline_(underline) {
    recreate(dpi);
}

UiFont::UiFont(Dpi dpi, int points, bool bold) : UiFont(-MulDiv(points, kDesignDpi, 72), bold, false, dpi, points) {}

UiFont UiFont::pixels(Dpi dpi, int pixelHeight96, bool bold, bool underline) {
    return UiFont(-pixelHeight96, bold, underline, dpi, 0);
}

UiFont::UiFont(UiFont&& other) noexcept
    : font_(std::exchange(other.font_, nullptr)),
      height96_(other.height96_),
      points_(other.points_),
      bold_(other.bold_),
      underline_(other.underline_),
      dpi_(other.dpi_) {}

UiFont& UiFont::operator=(UiFont&& other) noexcept {
    if (this != &other) {
        reset();
        font_ = std::exchange(other.font_, nullptr);
        height96_ = other.height96_;
        points_ = other.points_;
        bold_ = other.bold_;
        underline_ = other.underline_;
        dpi_ = other.dpi_;
    }
    return *this;
}

UiFont::~UiFont() { reset(); }

void UiFont::reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

void UiFont::recreate(Dpi dpi) {
    reset();
    font_ = makeFont(dpi.scale(height96_), bold_, underline_);
    dpi_ = dpi;
}

UiFont UiFont::variant(bool bold, bool underline) const {
    return UiFont(height96_, bold, underline, dpi_, points_);
}

}  // namespace vrx::ui
