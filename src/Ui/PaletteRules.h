#pragma once

#include <cstdint>

namespace vrx {

// The rules by which the palette works colours out of others: portable, so
// they are tested without Windows. The palette itself (Theme_win.h) gives
// every colour a view uses, by role.

// A colour as 0xRRGGBB.
using Rgb = uint32_t;

// The command list's rows, normal and selected.
struct CommandListColors {
    Rgb background = 0;
    Rgb text = 0;
    Rgb selectedBackground = 0;
    Rgb selectedText = 0;

    friend bool operator==(const CommandListColors&, const CommandListColors&) = default;
};

// Worked out from the list style's background and text and the system's
// scroll-bar and highlight colours: a light list is tinted a little towards
// the scroll-bar grey, a dark one lightened; the selection is a blend with
// the highlight that stays readable with the normal text, whether or not
// the list has the focus.
CommandListColors commandListColors(Rgb listBackground, Rgb windowText, Rgb scrollBar, Rgb highlight);

// The text readable on a row of the given colour, by its brightness (three
// parts red, six green, one blue): white on maroon, green and navy, black
// on yellow, lime, aqua, fuchsia and olive.
Rgb readableTextOn(Rgb background);

}  // namespace vrx
