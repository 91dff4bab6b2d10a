#include "Ui/PaletteRules.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(PaletteRules, CommandListRowsInTheLightAndDarkStyles) {
    // White list, black text, grey scroll bar, blue highlight.
    const CommandListColors light = commandListColors(0xFFFFFF, 0x000000, 0xC8C8C8, 0x0078D7);
    EXPECT_EQ(light.background, 0xFBFBFBu);  // (255*47 + 200*3) / 50
    EXPECT_EQ(light.text, 0x000000u);
    EXPECT_EQ(light.selectedBackground, 0xBCDAF2u);
    EXPECT_EQ(light.selectedText, light.text);

    const CommandListColors dark = commandListColors(0x202020, 0xFFFFFF, 0xC8C8C8, 0x0078D7);
    EXPECT_EQ(dark.background, 0x313131u);  // (32*23 + 255*2) / 25
    EXPECT_EQ(dark.text, 0xFFFFFFu);
    EXPECT_EQ(dark.selectedBackground, 0x1D4D73u);
    // The threshold lies at a luminance of 128000.
    EXPECT_EQ(commandListColors(0x808080, 0x000000, 0, 0).text, 0x000000u);
    EXPECT_EQ(commandListColors(0x7F7F7F, 0x000000, 0, 0).text, 0xFFFFFFu);
}

TEST(PaletteRules, TextOnAColouredRowIsWhiteOnDarkColoursAndBlackOnLightOnes) {
    // The button list's joystick highlights.
    struct Case {
        Rgb row;
        Rgb text;
    };
    for (const Case c : {Case{0xFFFF00, 0x000000}, Case{0x00FF00, 0x000000}, Case{0x00FFFF, 0x000000},
                         Case{0xFF00FF, 0x000000}, Case{0x800000, 0xFFFFFF}, Case{0x008000, 0xFFFFFF},
                         Case{0x808000, 0x000000}, Case{0x000080, 0xFFFFFF}})
        EXPECT_EQ(readableTextOn(c.row), c.text) << std::hex << c.row;
    // The threshold: 3 red + 6 green + 1 blue at 1000.
    EXPECT_EQ(readableTextOn(0x000000 | (166 << 8) | 4), 0x000000u);  // 996 + 4
    EXPECT_EQ(readableTextOn(0x000000 | (166 << 8) | 3), 0xFFFFFFu);  // 996 + 3
}

}  // namespace
}  // namespace vrx
