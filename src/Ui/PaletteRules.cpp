#include "Ui/PaletteRules.h"

#include <initializer_list>

namespace vrx {
namespace {

constexpr int channel(Rgb colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// Per channel: (a * weightA + b * weightB) / total, integer division.
Rgb blend(Rgb a, int weightA, Rgb b, int weightB, int total) {
    Rgb result = 0;
    for (int shift : {16, 8, 0}) {
        const int mixed = (channel(a, shift) * weightA + channel(b, shift) * weightB) / total;
        result |= static_cast<Rgb>(mixed) << shift;
    }
    return result;
}

}  // namespace

CommandListColors commandListColors(Rgb listBackground, Rgb windowText, Rgb scrollBar, Rgb highlight) {
    const int luminance =
        299 * channel(listBackground, 16) + 587 * channel(listBackground, 8) + 114 * channel(listBackground, 0);
    const bool light = luminance > 127999;
    CommandListColors colors;
    if (light) {
        colors.background = blend(listBackground, 47, scrollBar, 3, 50);
        colors.text = windowText;
    } else {
        colors.background = blend(listBackground, 23, 0xFFFFFF, 2, 25);
        colors.text = 0xFFFFFF;
    }
    const int highlightShare = light ? 25 : 40;
    colors.selectedBackground = blend(colors.background, 100 - highlightShare, highlight, highlightShare, 100);
    colors.selectedText = colors.text;
    return colors;
}

Rgb readableTextOn(Rgb background) {
    const int brightness = channel(background, 16) * 3 + channel(background, 8) * 6 + channel(background, 0);
    return brightness < 1000 ? 0xFFFFFF : 0x000000;
}

}  // namespace vrx
