// The assignment dialog's keyboard pages: opening, key capture, the special
// keys, the auto-repeat boxes and the multi-key page.
#include <gtest/gtest.h>

#include "Dialogs/AssignKeys.h"
#include "Joybutton/UncapturableKeys.h"
#include "support/AssignFormFixture.h"

namespace vrx::test {
namespace {

TEST(AssignFormOpen, EachTypeOpensItsPage) {
    const struct {
        AssignType type;
        int page;
    } cases[] = {
        {AssignType::None, kPageKeyboard},          {AssignType::Keyboard, kPageKeyboard},
        {AssignType::Mouse, kPageMouse},            {AssignType::Command, kPageCommand},
        {AssignType::LegacyAnalogFactor, kPageKeyboard}, {AssignType::JoystickShift, kPageSpecial},
        {AssignType::ProfileSwitch, kPageSpecial},  {AssignType::KeyboardMulti, kPageKeyboardMulti},
        {AssignType::MouseAbsolute, kPageMouseAbsolute}, {AssignType::LaunchProgram, kPageSpecial},
        {AssignType::PasteText, kPageText},         {static_cast<AssignType>(42), kPageKeyboard},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        JoyButton record;
        record.type = c.type;
        f.open(record);
        EXPECT_EQ(f.state().page, c.page) << static_cast<int>(c.type);
    }
}

TEST(AssignFormOpen, NoneShowsEmptyBoxesAndTheTitle) {
    AssignFormFixture f(1);
    f.open(JoyButton{});
    EXPECT_EQ(f.state().title, "ジョイスティック 2 の ボタン 1 の設定");
    for (int box = 0; box < kKeyBoxCount; ++box) EXPECT_EQ(f.state().keyBoxes[box], "None") << keyBoxName(box);
    EXPECT_FALSE(f.state().cbAutoRepeat);
    EXPECT_EQ(f.state().editAutoRepeatPerSec, "");
    EXPECT_EQ(f.state().editAutoRepeatPeriod, "");
    EXPECT_EQ(f.state().editAutoRepeatDelay, "700");
    EXPECT_EQ(f.state().editShiftKeyDelay, "700");
    EXPECT_EQ(f.state().editSwitchProfileDelay, "2000");
    EXPECT_EQ(f.form.FormActivate(), (AssignFocus{"Key0", false}));
}

TEST(AssignFormOpen, KeysShowOnlyOnThePageOfTheType) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::Keyboard;
    record.keys = {'A', 'B', 0, 0, 'C'};
    f.open(record);
    EXPECT_EQ(f.state().keyBoxes[0], "A");
    EXPECT_EQ(f.state().keyBoxes[1], "B");
    EXPECT_EQ(f.state().keyBoxes[4], "None");  // Key11 shares entry 0 but shows nothing
    EXPECT_EQ(f.form.keyEntry(4), KeyCode{'C'});

    record.type = AssignType::KeyboardMulti;
    f.open(record);
    EXPECT_EQ(f.state().keyBoxes[0], "None");
    EXPECT_EQ(f.state().keyBoxes[4], "A");
    EXPECT_EQ(f.state().keyBoxes[8], "C");  // Key21: entry 4
}

TEST(AssignFormOpen, AutoRepeatBoxesFollowTheRateSign) {
    const struct {
        float rate;
        int delay;
        bool checked;
        const char* perSecond;
        const char* period;
        bool delayed;
        const char* delayText;
    } cases[] = {
        {0.0f, 0, false, "", "", false, "700"},
        {12.5f, 250, true, "12.5", "", true, "250"},
        {-0.25f, 0, true, "", "0.25", false, "700"},
        {10.0f, 0, true, "10", "", false, "700"},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        JoyButton record;
        record.type = AssignType::Keyboard;
        record.autoRepeatRate = c.rate;
        record.autoRepeatDelay = c.delay;
        f.open(record);
        EXPECT_EQ(f.state().cbAutoRepeat, c.checked) << c.rate;
        EXPECT_EQ(f.form.rateBoxesEnabled(), c.checked) << c.rate;
        EXPECT_EQ(f.state().editAutoRepeatPerSec, c.perSecond) << c.rate;
        EXPECT_EQ(f.state().editAutoRepeatPeriod, c.period) << c.rate;
        EXPECT_EQ(f.state().cbAutoDelayed, c.delayed) << c.rate;
        EXPECT_EQ(f.state().editAutoRepeatDelay, c.delayText) << c.rate;
        EXPECT_EQ(f.form.pendingRate(), c.rate);
    }
}

TEST(AssignFormKeys, CaptureTellsTheSidesApart) {
    const struct {
        const char* name;
        LastKeyDown key;
        KeyCode stored;
    } cases[] = {
        {"right Shift", keyDown(16, 0x36), 0xA1},
        {"left Shift", keyDown(16, 0x2A), 16},
        {"right Ctrl", keyDown(17, 0x1D, true), 0xA3},
        {"left Ctrl", keyDown(17, 0x1D), 17},
        {"right Alt", keyDown(18, 0x38, true), 0xA5},
        {"left Alt", keyDown(18, 0x38), 18},
        {"numeric-pad Enter", keyDown(13, 0x1C, true), 0x101},
        {"Enter", keyDown(13, 0x1C), 13},
        {"extended arrow stays", keyDown(0x25, 0x4B, true), 0x25},
        {"Tab", keyDown(9, 0x0F), 9},
    };
    for (const auto& c : cases) EXPECT_EQ(capturedKeyCode(c.key), c.stored) << c.name;
}

TEST(AssignFormKeys, KeyZeroGoesToOkAndOtherBoxesToTheNextControl) {
    AssignFormFixture f;
    f.open();
    f.form.Key0KeyDown(keyDown(9, 0x0F));
    EXPECT_EQ(f.form.keyEntry(0), key::Tab);
    EXPECT_EQ(f.state().keyBoxes[0], "Tab");
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"btnOK", false}));

    f.form.Key1KeyDown(9, keyDown('Q'));  // Key22: entry 5
    EXPECT_EQ(f.form.keyEntry(5), KeyCode{'Q'});
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"Key22", true}));
    EXPECT_EQ(f.form.takeFocus(), std::nullopt);
}

TEST(AssignFormKeys, PageZeroAndFirstInputShareTheirEntries) {
    AssignFormFixture f;
    f.open();
    f.form.Key1KeyDown(5, keyDown('W'));  // Key12
    EXPECT_EQ(f.form.keyEntry(1), KeyCode{'W'});
    f.form.PMKeyClearClick(5);
    EXPECT_EQ(f.form.keyEntry(1), key::None);
    EXPECT_EQ(f.state().keyBoxes[5], "None");
}

TEST(AssignFormKeys, BoxNamesAndTags) {
    EXPECT_EQ(keyBoxName(0), "Key0");
    EXPECT_EQ(keyBoxName(4), "Key11");
    EXPECT_EQ(keyBoxName(19), "Key44");
    EXPECT_EQ(keyBoxName(20), "CmdKey1");
    EXPECT_EQ(keyBoxTag(3), 3);
    EXPECT_EQ(keyBoxTag(4), 0);
    EXPECT_EQ(keyBoxTag(19), 15);
    EXPECT_EQ(keyBoxTag(23), 19);
}

TEST(AssignFormKeys, PopupOffersTriggersAndSpecialKeysWithAmounts) {
    AssignFormFixture f;
    const std::vector<PopupItem>& items = f.form.specialKeyPopup();
    ASSERT_EQ(items.size(), 41u);
    EXPECT_EQ(items[0].caption, "他のボタン設定を起動");
    ASSERT_EQ(items[0].children.size(), 64u);
    EXPECT_EQ(items[0].children[0].caption, "ボタン1");
    EXPECT_EQ(items[0].children[0].code, 0x800u);
    EXPECT_EQ(items[0].children[63].code, 0x83Fu);
    for (int entry = 0; entry < 40; ++entry) {
        const PopupItem& item = items[static_cast<size_t>(entry + 1)];
        EXPECT_EQ(item.caption, kSpecialKeys[static_cast<size_t>(entry)].name);
        if (entry < 6) {
            ASSERT_EQ(item.children.size(), 15u) << item.caption;
            EXPECT_EQ(item.children[0].caption, "2");
            EXPECT_EQ(item.children[14].caption, "30");
            EXPECT_EQ(item.children[14].code, kSpecialKeys[static_cast<size_t>(entry)].code + 30);
        } else {
            EXPECT_TRUE(item.children.empty()) << item.caption;
            EXPECT_EQ(item.code, kSpecialKeys[static_cast<size_t>(entry)].code);
        }
    }
    EXPECT_EQ(items[1].caption, "マウスカーソル↑");
    EXPECT_EQ(items[40].caption, "Pause (Alternative)");
}

TEST(AssignFormKeys, PopupAndListAssignCodes) {
    AssignFormFixture f;
    f.open();
    f.form.PMSpecialKeyClick(2, 0x900 + 6);
    EXPECT_EQ(f.form.keyEntry(2), 0x906u);
    f.form.cbKeySelectChange(11);  // R-Shift
    f.form.cbKeyNumChange(3);
    f.form.btnKeyAssignClick();
    EXPECT_EQ(f.form.keyEntry(3), key::RShift);
    EXPECT_EQ(f.state().keyBoxes[3], "R-Shift");
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"Key3", false}));
    f.form.cbKeySelectChange(0);  // cursor up: its base code from the list
    f.form.cbKeyNumChange(0);
    f.form.btnKeyAssignClick();
    EXPECT_EQ(f.form.keyEntry(0), key::CursorUp);
}

TEST(AssignFormRates, BoxesAreLimitedAndFormatted) {
    const struct {
        RateBox box;
        const char* typed;
        const char* shown;
        float rate;
    } cases[] = {
        {RateBox::PerSecond, "50", "30", 30.0f},     {RateBox::PerSecond, "12.50", "12.5", 12.5f},
        {RateBox::Period, "0.01", "0.033", -0.033f}, {RateBox::Period, "2", "2", -2.0f},
        {RateBox::PerSecond, "0", "0", 0.0f},
    };
    for (const auto& c : cases) {
        AssignFormFixture f;
        f.open();
        f.form.cbAutoRepeatClick(true);
        const bool perSecond = c.box == RateBox::PerSecond;
        f.form.editAutoRepeatPerSecChange(perSecond ? RateBox::Period : RateBox::PerSecond, "5");
        f.form.editAutoRepeatPerSecChange(c.box, c.typed);
        f.form.editAutoRepeatPerSecExit(c.box);
        const std::string& typed = perSecond ? f.state().editAutoRepeatPerSec : f.state().editAutoRepeatPeriod;
        const std::string& other = perSecond ? f.state().editAutoRepeatPeriod : f.state().editAutoRepeatPerSec;
        EXPECT_EQ(typed, c.shown) << c.typed;
        EXPECT_EQ(other, "") << c.typed;
        EXPECT_FLOAT_EQ(f.form.pendingRate(), c.rate) << c.typed;
    }
}

TEST(AssignFormRates, EmptyingBothBoxesUnchecksAutoRepeat) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::Keyboard;
    record.keys[0] = 'A';
    record.autoRepeatRate = 10;
    f.open(record);
    f.form.editAutoRepeatPerSecChange(RateBox::Period, "");
    f.form.editAutoRepeatPerSecExit(RateBox::Period);  // the other box still holds 10
    EXPECT_TRUE(f.state().cbAutoRepeat);
    f.form.editAutoRepeatPerSecChange(RateBox::PerSecond, "");
    f.form.editAutoRepeatPerSecExit(RateBox::PerSecond);
    EXPECT_FALSE(f.state().cbAutoRepeat);
    EXPECT_EQ(f.form.pendingRate(), 0.0f);
}

TEST(AssignFormRates, LettersAndNegativeNumbersAreRefused) {
    EXPECT_TRUE(AssignForm::editAutoRepeatPerSecKeyPress(U'a'));
    EXPECT_TRUE(AssignForm::editAutoRepeatPerSecKeyPress(U'Z'));
    EXPECT_FALSE(AssignForm::editAutoRepeatPerSecKeyPress(U'5'));
    EXPECT_FALSE(AssignForm::editAutoRepeatPerSecKeyPress(U'.'));

    AssignFormFixture f;
    f.open();
    f.form.editAutoRepeatPerSecChange(RateBox::PerSecond, "-5");
    f.form.editAutoRepeatPerSecExit(RateBox::PerSecond);
    EXPECT_EQ(f.ui.shown, (std::vector<std::string>{"Error: -5は数字ではありません"}));
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"editAutoRepeatPerSec", false}));
    EXPECT_EQ(f.form.pendingRate(), 0.0f);
}

TEST(AssignFormRates, OkWithAutoRepeatButNoRateStaysOpen) {
    AssignFormFixture f;
    f.open();
    f.form.cbAutoRepeatClick(true);
    f.ok();
    EXPECT_EQ(f.ui.shown,
              (std::vector<std::string>{"Error: 自動連射機能を使うためには、1秒間に何回連射するのか指定してください。"}));
    EXPECT_EQ(f.form.closeResult(), std::nullopt);
    EXPECT_FALSE(f.profile.modified);
    // The stepping buttons apply without the check.
    f.form.btnGoToNextClick();
    EXPECT_EQ(f.form.closeResult(), kEditNext);
}

TEST(AssignFormNumbers, IntegerBoxesRefuseOtherText) {
    AssignFormFixture f;
    f.open();
    f.form.integerBoxChange(IntegerBox::KeySwitchDelay, "12a");
    f.form.validateIntegerInput(IntegerBox::KeySwitchDelay);
    f.form.integerBoxChange(IntegerBox::AutoRepeatDelay, "-30");
    f.form.validateIntegerInput(IntegerBox::AutoRepeatDelay);  // no range check
    f.form.integerBoxChange(IntegerBox::CounterResetDuration, "");
    f.form.validateIntegerInput(IntegerBox::CounterResetDuration);  // empty is allowed here
    f.form.integerBoxChange(IntegerBox::ShiftKeyDelay, "");
    f.form.validateIntegerInput(IntegerBox::ShiftKeyDelay);
    EXPECT_EQ(f.ui.shown, (std::vector<std::string>{"Error: 12aは数字ではありません", "Error: は数字ではありません"}));
    EXPECT_EQ(f.form.takeFocus(), (AssignFocus{"editShiftKeyDelay", false}));
}

TEST(AssignFormMulti, ModesEnableTheirControls) {
    struct Expected {
        SwitchMode mode;
        bool input3, input4, counter, hold, repeat, delay, thresholds, group;
    };
    const Expected cases[] = {
        {SwitchMode::DelayedSwitch, true, false, false, true, false, true, false, false},
        {SwitchMode::MultiSwitch2, false, false, true, false, false, false, false, true},
        {SwitchMode::MultiSwitch3, true, false, true, false, false, false, false, true},
        {SwitchMode::AnalogSwitch, true, false, false, false, false, false, true, false},
        {SwitchMode::MultiSwitch4, true, true, true, false, false, false, false, true},
        {SwitchMode::ReleaseSwitch, false, false, false, true, false, false, false, false},
        {SwitchMode::RepeatSwitch, true, true, false, true, true, false, false, false},
        {SwitchMode::MultiSequence, true, true, false, true, false, false, false, false},
    };
    AssignFormFixture f;
    f.open();
    f.form.PageControl1Change(kPageKeyboardMulti);
    for (const Expected& c : cases) {
        const int mode = static_cast<int>(c.mode);
        f.form.rbKeyDelayedSwitchClick(c.mode);
        EXPECT_EQ(f.form.lblKey3Enabled(), c.input3) << mode;
        EXPECT_EQ(f.form.keyBoxEnabled(12), c.input3) << mode;  // Key31
        EXPECT_EQ(f.form.lblKey4Enabled(), c.input4) << mode;
        EXPECT_EQ(f.form.keyBoxEnabled(19), c.input4) << mode;  // Key44
        EXPECT_EQ(f.form.editCounterResetDurationEnabled(), c.counter) << mode;
        EXPECT_EQ(f.form.editMinimumHoldDurationEnabled(), c.hold) << mode;
        EXPECT_EQ(f.form.editKeyRepeatSwitchEnabled(), c.repeat) << mode;
        EXPECT_EQ(f.form.editKeySwitchDelayEnabled(), c.delay) << mode;
        EXPECT_EQ(f.form.thresholdsEnabled(), c.thresholds) << mode;
        EXPECT_EQ(f.form.groupCommonVisible(), c.group) << mode;
    }
}

TEST(AssignFormMulti, OpeningFillsTheModeBoxes) {
    AssignFormFixture f;
    JoyButton record;
    record.type = AssignType::KeyboardMulti;
    record.switchMode = SwitchMode::RepeatSwitch;
    record.switchDelay = 250;
    record.minimumHoldDuration = 40;
    f.open(record);
    EXPECT_EQ(f.state().multiMode, SwitchMode::RepeatSwitch);
    EXPECT_EQ(f.state().editKeyRepeatSwitch, "250");
    EXPECT_EQ(f.state().editMinimumHoldDuration, "40");
    EXPECT_EQ(f.state().editKeyAnalogThreshold1, "50");
    EXPECT_EQ(f.state().editKeyAnalogThreshold2, "95");

    record.switchMode = SwitchMode::AnalogSwitch;
    record.analogThreshold1 = 30;
    record.analogThreshold2 = 80;
    f.open(record);
    EXPECT_EQ(f.state().editKeySwitchDelay, "500");
    EXPECT_EQ(f.state().editMinimumHoldDuration, "20");
    EXPECT_EQ(f.state().editKeyAnalogThreshold1, "30");
    EXPECT_EQ(f.state().editKeyAnalogThreshold2, "80");

    record.switchMode = SwitchMode::MultiSwitch3;
    record.counterResetDuration = 0;
    f.open(record);
    EXPECT_EQ(f.state().editCounterResetDuration, "");
    record.counterResetDuration = 900;
    f.open(record);
    EXPECT_EQ(f.state().editCounterResetDuration, "900");

    // A mode code of no radio button leaves the radio as it was.
    record.type = AssignType::Keyboard;
    record.switchMode = static_cast<SwitchMode>(0);
    f.open(record);
    EXPECT_EQ(f.state().multiMode, SwitchMode::MultiSwitch3);
}

TEST(AssignFormMulti, StoringFollowsTheCheckedMode) {
    AssignFormFixture f;
    f.open();
    f.form.PageControl1Change(kPageKeyboardMulti);
    f.form.Key1KeyDown(4, keyDown('A'));
    f.form.Key1KeyDown(8, keyDown('B'));
    f.form.rbKeyDelayedSwitchClick(SwitchMode::DelayedSwitch);
    f.form.integerBoxChange(IntegerBox::KeySwitchDelay, "350");
    f.form.integerBoxChange(IntegerBox::MinimumHoldDuration, "30");
    f.form.cbToggleClick(true);  // not written outside the MultiSwitch modes
    f.ok();
    const JoyButton& stored = f.slot();
    EXPECT_EQ(stored.type, AssignType::KeyboardMulti);
    EXPECT_EQ(stored.switchMode, SwitchMode::DelayedSwitch);
    EXPECT_EQ(stored.switchDelay, 350);
    EXPECT_EQ(stored.minimumHoldDuration, 30);
    EXPECT_EQ(stored.keys[0], KeyCode{'A'});
    EXPECT_EQ(stored.keys[4], KeyCode{'B'});
    EXPECT_EQ(stored.toggle, 0);

    f.open();
    f.form.rbKeyDelayedSwitchClick(SwitchMode::MultiSwitch4);
    f.form.integerBoxChange(IntegerBox::CounterResetDuration, "");
    f.form.cbToggleClick(true);
    f.ok();
    EXPECT_EQ(f.slot().switchMode, SwitchMode::MultiSwitch4);
    EXPECT_EQ(f.slot().counterResetDuration, 0);
    EXPECT_EQ(f.slot().toggle, 1);
}

}  // namespace
}  // namespace vrx::test
