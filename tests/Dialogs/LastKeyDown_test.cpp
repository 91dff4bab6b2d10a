#include <gtest/gtest.h>

#include "Dialogs/LastKeyDown.h"

namespace vrx::test {
namespace {

TEST(LastKeyDown, TakesTheScanCodeAndTheExtendedBitFromTheKeyData) {
    // Right Shift: scan 0x36, not extended; right Ctrl: scan 0x1D, extended;
    // Enter on the number pad: 0x1C extended; a repeated key's count and
    // previous-state bits do not leak into the record.
    const LastKeyDown rightShift = LastKeyDown::fromMessage(0x10, 0x00360001);
    EXPECT_EQ(rightShift.virtualKey, 0x10);
    EXPECT_EQ(rightShift.scanCode, 0x36);
    EXPECT_FALSE(rightShift.extended);
    const LastKeyDown rightCtrl = LastKeyDown::fromMessage(0x11, 0x011D0001);
    EXPECT_EQ(rightCtrl.scanCode, 0x1D);
    EXPECT_TRUE(rightCtrl.extended);
    const LastKeyDown padEnter = LastKeyDown::fromMessage(0x0D, static_cast<intptr_t>(0xC11C0005u));
    EXPECT_EQ(padEnter.virtualKey, 0x0D);
    EXPECT_EQ(padEnter.scanCode, 0x1C);
    EXPECT_TRUE(padEnter.extended);
}

}  // namespace
}  // namespace vrx::test
