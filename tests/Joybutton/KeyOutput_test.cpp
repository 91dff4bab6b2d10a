#include <gtest/gtest.h>

#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;


TEST(SendKey, SharedKeysGoDownWithTheFirstHolderAndUpWithTheLast) {
    SlotFixture f;
    JoyButton& a = keyboard(f.slot(56), {0x41});
    JoyButton& b = keyboard(f.slot(57), {0x41});
    PressKeyList(a, inputKeys(0), false, true, f.tick);
    PressKeyList(b, inputKeys(0), false, true, f.tick);
    EXPECT_EQ(f.counts[0x41], 2);
    PressKeyList(a, inputKeys(0), true, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=41 scan=1E flags=0"}));
    PressKeyList(b, inputKeys(0), true, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=41 scan=1E flags=2"}));
    EXPECT_FALSE(f.senders.record.anyKeyDown());

    // With every key repeating, each holder's press and release goes out.
    f.tick.repeatSameKeyInSequence = true;
    PressKeyList(a, inputKeys(0), false, true, f.tick);
    PressKeyList(b, inputKeys(0), false, true, f.tick);
    PressKeyList(a, inputKeys(0), true, false, f.tick);
    EXPECT_EQ(f.take().size(), 3u);
}

TEST(SendKey, AReleaseWithoutPressIsSentAndWarned) {
    SlotFixture f;
    JoyButton& a = keyboard(f.slot(56), {0x41});
    SendKey(a, 0x41, 0x1E, true, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=41 scan=1E flags=2"}));
    EXPECT_EQ(f.counts[0x41], 0);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug,
                               "WARNING: 0#button[56] is released, but there is no corresponding press event"));
}

TEST(SendKey, SpecialKeys) {
    struct Case {
        KeyCode code;
        int mode;
        Lines pressed;
        Lines released;
    };
    const Case cases[] = {
        {0x100, 1, {}, {"Key vk=F4 scan=29 flags=0"}},
        {0x101, 1, {"Key vk=0D scan=1C flags=1"}, {"Key vk=0D scan=1C flags=3"}},
        {0x102, 0, {"Key vk=25 scan=4B flags=1"}, {"Key vk=25 scan=4B flags=3"}},
        {0x106, 1, {"Key vk=A3 scan=1D flags=1"}, {"Key vk=A3 scan=1D flags=3"}},
        {0x107, 1, {"Key vk=A5 scan=38 flags=1"}, {"Key vk=A5 scan=38 flags=3"}},
        {0x25, 2, {"Key vk=25 scan=4B flags=9"}, {"Key vk=25 scan=4B flags=B"}},
        {0x1E0000, 1, {"Key vk=00 scan=1E flags=0"}, {"Key vk=00 scan=1E flags=2"}},
        {0x108, 1,
         {"ScanInput scan=E1 flags=9", "ScanInput scan=1D flags=9", "ScanInput scan=45 flags=9",
          "ScanInput scan=E1 flags=B", "ScanInput scan=9D flags=B", "ScanInput scan=C5 flags=B"},
         {}},
        {0x201, 1,
         {"MouseButtons down=1 up=0 left=1 middle=0 right=0 x1=0 x2=0"},
         {"MouseButtons down=0 up=1 left=1 middle=0 right=0 x1=0 x2=0"}},
        {0x203, 1,
         {"MouseButtons down=1 up=0 left=0 middle=0 right=1 x1=0 x2=0"},
         {"MouseButtons down=0 up=1 left=0 middle=0 right=1 x1=0 x2=0"}},
    };
    for (const Case& c : cases) {
        SlotFixture f(c.mode);
        JoyButton& b = keyboard(f.slot(56), {c.code});
        PressKeyList(b, inputKeys(0), false, true, f.tick);
        EXPECT_EQ(f.take(), c.pressed) << std::hex << c.code;
        PressKeyList(b, inputKeys(0), true, false, f.tick);
        EXPECT_EQ(f.take(), c.released) << std::hex << c.code;
    }
}

TEST(SendKey, CursorCodesMoveAQuarterPixelPerSpeedWithTheFractionCarried) {
    SlotFixture f;
    JoyButton& right = keyboard(f.slot(56), {0x506});
    PressKeyList(right, inputKeys(0), false, true, f.tick);
    PressKeyList(right, inputKeys(0), false, false, f.tick);
    PressKeyList(right, inputKeys(0), false, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"MouseMoveRelative dx=1 dy=0", "MouseMoveRelative dx=2 dy=0",
                               "MouseMoveRelative dx=1 dy=0"}));
    JoyButton& up = keyboard(f.slot(57), {0x406});
    PressKeyList(up, inputKeys(0), false, true, f.tick);
    PressKeyList(up, inputKeys(0), false, false, f.tick);
    PressKeyList(up, inputKeys(0), false, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"MouseMoveRelative dx=0 dy=-2", "MouseMoveRelative dx=0 dy=-1",
                               "MouseMoveRelative dx=0 dy=-2"}));
    // A release of a movement code sends nothing.
    PressKeyList(up, inputKeys(0), true, false, f.tick);
    EXPECT_TRUE(f.take().empty());
}

TEST(SendKey, WheelCodesTurnANotchEvery128OverSpeedCalls) {
    SlotFixture f;
    f.log.setDebugEnabled(false);
    JoyButton& wheel = keyboard(f.slot(56), {0x901});
    PressKeyList(wheel, inputKeys(0), false, true, f.tick);
    for (int i = 2; i <= 128; ++i) PressKeyList(wheel, inputKeys(0), false, false, f.tick);
    for (const auto& line : f.take()) EXPECT_EQ(line, "MouseMoveRelative dx=0 dy=0");
    PressKeyList(wheel, inputKeys(0), false, false, f.tick);  // call 129
    EXPECT_EQ(f.take(), (Lines{"MouseMoveRelative dx=0 dy=0", "MouseWheel delta=120"}));
}

TEST(SendKey, TriggersPressOtherSlots) {
    SlotFixture f;
    JoyButton& source = keyboard(f.slot(56), {0x803});
    PressKeyList(source, inputKeys(0), false, true, f.tick);
    EXPECT_EQ(f.slot(59).runtime.forcedState, 1);
    PressKeyList(source, inputKeys(0), true, false, f.tick);
    EXPECT_EQ(f.slot(59).runtime.forcedState, 0);
    EXPECT_TRUE(f.events().empty());
    // Codes past the last button name no slot.
    keyboard(f.slot(57), {0x8FF});
    PressKeyList(f.slot(57), inputKeys(0), false, true, f.tick);
}

TEST(KeyTransition, SharedKeysStayDown) {
    SlotFixture f;
    JoyButton& b = f.slot(56);
    b.type = AssignType::KeyboardMulti;
    b.keys = {0x41, 0x42, 0, 0, 0x42, 0x43, 0x41, 0};
    b.prepare();
    KeyTransition(b, inputKeys(0), inputKeys(1), f.tick);
    EXPECT_EQ(b.runtime.releaseList.codes, (std::array<KeyCode, 4>{}));
    EXPECT_EQ(b.runtime.pressList.codes, (std::array<KeyCode, 4>{0x43, 0, 0, 0}));
    EXPECT_EQ(b.runtime.pressList.scans[0], 0x2Eu);
    KeyTransition(b, inputKeys(1), inputKeys(2), f.tick);
    EXPECT_EQ(b.runtime.releaseList.codes, (std::array<KeyCode, 4>{0x42, 0x43, 0x41, 0}));
    f.tick.repeatSameKeyInSequence = true;
    KeyTransition(b, inputKeys(0), inputKeys(1), f.tick);
    EXPECT_EQ(b.runtime.releaseList.codes, (std::array<KeyCode, 4>{0x41, 0x42, 0, 0}));
    EXPECT_EQ(b.runtime.pressList.codes, (std::array<KeyCode, 4>{0x42, 0x43, 0x41, 0}));
}

TEST(PressKeyList, KeysGoDownInOrderAndUpInReverse) {
    SlotFixture f;
    JoyButton& b = keyboard(f.slot(56), {0xA2, 0x43});
    PressKeyList(b, inputKeys(0), false, true, f.tick);
    PressKeyList(b, inputKeys(0), true, false, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=A2 scan=1D flags=0", "Key vk=43 scan=2E flags=0", "Key vk=43 scan=2E flags=2",
                               "Key vk=A2 scan=1D flags=2"}));
    // No sender chosen yet: counting goes on, nothing is sent.
    f.tick.keySender = nullptr;
    PressKeyList(b, inputKeys(0), false, true, f.tick);
    EXPECT_EQ(f.counts[0xA2], 1);
    EXPECT_TRUE(f.events().empty());
}

}  // namespace
}  // namespace vrx::test
