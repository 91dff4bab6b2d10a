#pragma once

#include <windows.h>

#include <string>

#include "Ui/Dpi_win.h"

namespace vrx::ui {

// The face with Japanese glyphs the whole interface uses, chosen once from
// the installed ones: "Yu Gothic UI", "Meiryo UI", "MS UI Gothic", else
// "Noto Sans CJK JP" (Wine has none of the Windows faces).
const std::wstring& uiFaceName();

// One font of that face, owned; created again for a new DPI.
class UiFont {
public:
    static constexpr int kDefaultPoints = 9;

    UiFont() = default;
    explicit UiFont(Dpi dpi, int points = kDefaultPoints, bool bold = false);
    // A height in pixels at 96 DPI, scaled to dpi.
    static UiFont pixels(Dpi dpi, int pixelHeight96, bool bold = false, bool underline = false);
    UiFont(UiFont&& other) noexcept;
    UiFont& operator=(UiFont&& other) noexcept;
    UiFont(const UiFont&) = delete;
    UiFont& operator=(const UiFont&) = delete;
    ~UiFont();

    HFONT handle() const { return font_; }
    explicit operator bool() const { return font_ != nullptr; }
    // The same size and weight at another DPI.
    void recreate(Dpi dpi);
    // A variant of this font (same height) with other weight or underline.
    UiFont variant(bool bold, bool underline) const;

private:
    UiFont(int height, bool bold, bool underline, Dpi dpi, int points);
    void reset();

    HFONT font_ = nullptr;
    int height96_ = 0;  // negative: character height
    int points_ = 0;    // 0 when made from pixels
    bool bold_ = false;
    bool underline_ = false;
    Dpi dpi_;
};

}  // namespace vrx::ui
