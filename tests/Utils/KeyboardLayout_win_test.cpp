#include <gtest/gtest.h>

#include "Joybutton/JoyButton.h"
#include "Joybutton/KeyName.h"
#include "Utils/KeyboardLayout.h"

namespace vrx {
namespace {

// The system's own translation must agree with the US table for the keys
// whose position every Latin layout shares, and prepare must use it.
TEST(WindowsKeyboardLayout, AgreesWithTheSharedKeyPositions) {
    const KeyboardLayout& system = systemKeyboardLayout();
    for (uint32_t vk : {0x08u, 0x09u, 0x0Du, 0x1Bu, 0x20u, 0x25u, 0x31u, 0x39u, 0x41u, 0x53u, 0x70u, 0x7Bu})
        EXPECT_EQ(system.virtualKeyToScanCode(vk), usKeyboardLayout().virtualKeyToScanCode(vk)) << std::hex << vk;

    JoyButton b;
    b.parseLine("1, 41:25:A3:1E0000, 0.000, 0, 0", 74);
    EXPECT_EQ(b.scanCodes[0], 0x1Eu);
    EXPECT_EQ(b.scanCodes[1], 0x14Bu);  // an arrow key carries the extended flag
    EXPECT_EQ(b.scanCodes[2], 0x11Du);
    EXPECT_EQ(b.scanCodes[3], 0x1Eu);
}

// Letters and digits type the same characters on every Latin layout, and
// keys that type nothing must say so, or key names would show garbage.
TEST(WindowsKeyboardLayout, TypesTheCharactersOfLettersAndDigits) {
    const KeyboardLayout& system = systemKeyboardLayout();
    for (uint32_t vk : {0x30u, 0x31u, 0x39u, 0x41u, 0x4Du, 0x5Au})
        EXPECT_EQ(system.virtualKeyToChar(vk), usKeyboardLayout().virtualKeyToChar(vk)) << std::hex << vk;
    for (uint32_t vk : {0x10u, 0x25u, 0x5Bu, 0x70u, 0x87u, 0xA0u})
        EXPECT_EQ(system.virtualKeyToChar(vk), 0u) << std::hex << vk;

    EXPECT_EQ(KeyName(0x41), "A");
    EXPECT_EQ(KeyName(0x37), "7");
    EXPECT_EQ(KeyName(0x70), "F1");
    EXPECT_EQ(KeyName(0x60), "Numpad 0");
}

}  // namespace
}  // namespace vrx
