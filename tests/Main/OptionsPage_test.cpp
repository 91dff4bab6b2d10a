#include "Main/OptionsPage.h"

#include <gtest/gtest.h>

#include "Dialogs/ButtonAliasForm.h"
#include "Dialogs/VibrationForm.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Utils/PathText.h"
#include "support/MainFormFixture.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

struct OptionsFixture : MainFormFixture {
    OptionsPage& page = form.options();
    ProfileSettings& stored = profile().settings;

    OptionsFixture() {
        form.tcJoystickChange(2, FocusedControl::Other);  // the Options tab
        profile().modified = false;
    }

    // The rumble a profile switch gives: both speeds, then the time.
    std::vector<int> values() const {
        return {stored.vibrationSpeed1, stored.vibrationSpeed2, stored.vibrationDuration};
    }

    // A key held on a slot of the profile in force, as a tick would hold it.
    int& holdKey(int joystick, SlotIndex slot, KeyCode key) {
        JoyButton& b = this->slot(joystick, slot);
        b.type = AssignType::Keyboard;
        b.keys[0] = key;
        b.prepare();
        h.tick();
        Process(b, 1000, h.engine.tickContext());
        return h.senders.record.keyDown[key];
    }
};

TEST(OptionsPage, FillShowsTheProfilesSettings) {
    OptionsFixture f;
    f.stored.threshold = 255;
    f.stored.threshold2 = 1000;
    f.stored.keySendMode = 3;
    f.stored.soundFile = "ding.wav";
    f.stored.vibrationDuration = 300;
    f.form.RefreshDisplay();
    const OptionsState& o = f.page.state();
    EXPECT_EQ((Texts{o.numJoysticks, o.numButtons, o.threshold1Label, o.threshold2Label}),
              (Texts{"2", "32", "25 %", "100 %"}));
    EXPECT_EQ(o.threshold1, 25);
    EXPECT_EQ(o.keySendMode, -1);  // a method the list does not offer
    EXPECT_TRUE(o.playSound && o.soundFileEnabled);
    EXPECT_EQ(o.soundFile, "ding.wav");
    EXPECT_FALSE(o.showProfileImage || o.imageFileEnabled);
    EXPECT_TRUE(o.triggerVibration && o.vibrationDetailsEnabled);
}

TEST(OptionsPage, JoystickCountOutsideOneToFiftyIsRefused) {
    for (const char* typed : {"51", "0", "abc", "", "3x", "99999999999"}) {
        OptionsFixture f;
        f.page.btnApplyNumJoysticksClick(typed);
        EXPECT_EQ(f.dialogs.shown, (Texts{"Error: 1 以上 50 以下の数を入れてください。"})) << typed;
        EXPECT_EQ(f.stored.numberOfJoysticks, 2) << typed;
        EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::NumJoysticks) << typed;
        EXPECT_EQ(f.deviceUi.posts, 0) << typed;
        EXPECT_FALSE(f.profile().modified) << typed;
    }
}

TEST(OptionsPage, JoystickCountChangesUnderTheLockAndAsksForARefresh) {
    OptionsFixture f;
    f.page.btnApplyNumJoysticksClick("2");
    EXPECT_EQ(f.deviceUi.posts, 0);

    const int entries = f.lock.entries;
    f.page.btnApplyNumJoysticksClick(" 4 ");
    EXPECT_EQ(f.stored.numberOfJoysticks, 4);
    EXPECT_NE(f.profile().joystick(3), nullptr);
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.deviceUi.posts, 1);
    EXPECT_GT(f.lock.entries, entries);
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Changing number of joysticks to 4"));

    // A joystick the tick stops walking lets go of its keys first.
    int& held = f.holdKey(3, buttonSlot(0), 0x41);
    ASSERT_EQ(held, 1);
    f.page.btnApplyNumJoysticksClick("1");
    EXPECT_EQ(held, 0);
    EXPECT_EQ(f.stored.numberOfJoysticks, 1);
}

TEST(OptionsPage, ButtonCountIsCheckedOnLeavingTheBox) {
    OptionsFixture f;
    for (const char* typed : {"129", "0", "x"}) {
        f.page.editNumButtonsExit(typed);
        EXPECT_EQ(f.dialogs.shown.back(), "Error: 1 以上 128 以下の数を入れてください。") << typed;
        EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::NumButtons) << typed;
    }
    EXPECT_EQ(f.stored.numberOfButtons, 32);

    int& held = f.holdKey(1, buttonSlot(9), 0x42);
    ASSERT_EQ(held, 1);
    f.page.editNumButtonsExit("8");
    EXPECT_EQ(held, 0);
    EXPECT_EQ(f.stored.numberOfButtons, 8);
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.page.state().numButtons, "8");
    EXPECT_EQ(f.lock.depth, 0);
}

TEST(OptionsPage, NumberBoxKeys) {
    OptionsFixture f;
    f.page.btnApplyNumJoysticksClick("x");
    f.page.editNumButtonsExit("x");
    EXPECT_TRUE(f.page.editNumJoystickKeyPress(27));
    EXPECT_TRUE(f.page.editNumButtonsKeyPress(27));
    EXPECT_EQ((Texts{f.page.state().numJoysticks, f.page.state().numButtons}), (Texts{"2", "32"}));
    EXPECT_TRUE(f.page.editNumJoystickKeyPress(13));
    EXPECT_FALSE(f.page.editNumButtonsKeyPress('5'));
    f.form.takeFocusRequest();
    EXPECT_TRUE(f.page.editNumJoystickKeyDown(13));
    EXPECT_EQ(f.form.takeFocusRequest(), FocusRequest::ApplyNumJoysticks);
    EXPECT_FALSE(f.page.editNumJoystickKeyDown(9));
}

TEST(OptionsPage, DisplayOptionsStoreAndRebuildTheRows) {
    OptionsFixture f;
    f.page.cbAxisDisplayModeChange(2);  // as it is
    EXPECT_FALSE(f.profile().modified);
    f.form.tcJoystickChange(0, FocusedControl::Other);
    const size_t before = f.form.rows().size();

    f.page.cbUseDiagonalInput1Click(true);
    EXPECT_TRUE(f.stored.useDiagonalInput);
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.form.rows().size(), before + 4);
    f.page.cbUsePOV8WayClick(true);
    EXPECT_EQ(f.form.rows().size(), before + 8);
    f.page.cbAxisDisplayModeChange(0);
    EXPECT_EQ(f.stored.displayMode, 0);
    f.page.cbUseDiagonalInput2Click(true);
    EXPECT_TRUE(f.stored.useDiagonalInput2);
    f.page.cbRepeatSameKeyInSequenceClick(true);
    EXPECT_TRUE(f.stored.repeatSameKeyInSequence);
}

TEST(OptionsPage, ThresholdsAndKeySendMode) {
    OptionsFixture f;
    f.page.tbThreshold1Change(25);
    f.page.tbThreshold2Change(100);
    EXPECT_EQ((std::vector<int>{f.stored.threshold, f.stored.threshold2}), (std::vector<int>{250, 1000}));
    EXPECT_EQ(f.page.state().threshold1Label, "25 %");
    EXPECT_TRUE(f.profile().modified);

    f.page.cbKeySendModeChange(2);
    EXPECT_EQ(f.stored.keySendMode, 2);
    f.page.cbKeySendModeChange(-1);
    EXPECT_EQ(f.stored.keySendMode, 2);
    EXPECT_EQ(OptionsPage::keySendModeItems()[1], std::string("代替方式１ (Virtual Key base)"));
}

TEST(OptionsPage, UncheckingAndRecheckingASoundBringsItBackFromTheBox) {
    OptionsFixture f;
    f.stored.soundFile = "ding.wav";
    f.form.RefreshDisplay();
    f.page.cbPlaySoundClick(false, "ding.wav");
    EXPECT_EQ(f.stored.soundFile, "");
    EXPECT_EQ(f.page.state().soundFile, "ding.wav");
    EXPECT_FALSE(f.page.state().soundFileEnabled);
    f.page.cbPlaySoundClick(true, "ding.wav");
    EXPECT_EQ(f.stored.soundFile, "ding.wav");
    EXPECT_TRUE(f.page.state().soundFileEnabled);

    f.page.cbShowProfileImageClick(true, "");
    EXPECT_EQ(f.stored.imageFile, "");
    EXPECT_TRUE(f.page.state().imageFileEnabled);
}

TEST(OptionsPage, ChosenFilesAreKeptRelativeToTheDataFolder) {
    OptionsFixture f;
    f.folder.write("ding.wav", "RIFF");
    std::filesystem::create_directories(f.folder / "pics");
    f.folder.write("pics/face.png", "PNG");
    f.dialogs.files = {pathToUtf8(f.folder / "ding.wav"), pathToUtf8(f.folder / "pics" / "face.png"),
                       std::string("/elsewhere/beep.wav"), std::nullopt};
    f.page.btnSoundFileClick();
    EXPECT_EQ(f.stored.soundFile, "ding.wav");
    EXPECT_EQ(f.page.state().soundFile, "ding.wav");
    f.page.btnImageFileClick();
    EXPECT_EQ(f.stored.imageFile, pathToUtf8(std::filesystem::path("pics") / "face.png"));
    f.page.btnSoundFileClick();
    EXPECT_EQ(f.stored.soundFile, "/elsewhere/beep.wav");
    f.page.btnSoundFileClick();  // cancelled
    EXPECT_EQ(f.stored.soundFile, "/elsewhere/beep.wav");
    EXPECT_EQ(f.dialogs.fileStarts, (Texts{"", "", pathToUtf8(f.folder.path()), "/elsewhere"}));
}

TEST(OptionsPage, ATypedFileIsStoredOnlyWhenItExists) {
    OptionsFixture f;
    f.folder.write("ding.wav", "RIFF");
    f.page.editSoundFileExit("missing.wav");
    EXPECT_EQ(f.stored.soundFile, "");
    EXPECT_EQ(f.page.state().soundFile, "missing.wav");
    f.page.editSoundFileExit("ding.wav");
    EXPECT_EQ(f.stored.soundFile, "ding.wav");
    f.page.editImageFileExit(pathToUtf8(f.folder / "ding.wav"));
    EXPECT_EQ(f.stored.imageFile, pathToUtf8(f.folder / "ding.wav"));
}

TEST(OptionsPage, VibrationCheckBox) {
    OptionsFixture f;
    f.page.cbTriggerVibrationClick(true);
    EXPECT_EQ((std::vector<int>{f.stored.vibrationDuration, f.stored.vibrationSpeed1, f.stored.vibrationSpeed2}),
              (std::vector<int>{500, 0, 0}));
    EXPECT_TRUE(f.page.state().vibrationDetailsEnabled);
    f.stored.vibrationDuration = 800;
    f.stored.vibrationSpeed1 = 40;
    f.page.cbTriggerVibrationClick(true);
    EXPECT_EQ(f.stored.vibrationDuration, 800);
    f.page.cbTriggerVibrationClick(false);
    EXPECT_EQ((std::vector<int>{f.stored.vibrationDuration, f.stored.vibrationSpeed1, f.stored.vibrationSpeed2}),
              (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(f.page.state().vibrationDetailsEnabled);
}

// Unchecking clears all three values and checking again gives the default
// time with no speed, so nothing rumbles until the dialog raises a speed.
TEST(OptionsPageDialogs, TheVibrationCheckBoxRuleThenTheDetailsDialog) {
    OptionsFixture f;
    f.stored.vibrationSpeed1 = 80;
    f.stored.vibrationDuration = 200;
    f.page.cbTriggerVibrationClick(false);
    f.page.cbTriggerVibrationClick(true);
    EXPECT_EQ(f.values(), (std::vector<int>{0, 0, 500}));

    std::vector<std::string> opened;
    f.dialogs.vibrationDialog = [&](VibrationForm& form) {
        form.FormCreate();
        opened = {form.state().speed1Label, form.state().speed2Label, form.state().duration};
        form.tbVibration2Change(25);
        form.editVibrationDurationChange("300");
        return form.btnOKClick();
    };
    f.page.btnVibrationDetailsClick();
    EXPECT_EQ(opened, (Texts{"0 %", "0 %", "500"}));
    EXPECT_EQ(f.values(), (std::vector<int>{0, 25, 300}));

    // OK with no time left switches the rumble off on the page too.
    f.dialogs.vibrationDialog = [](VibrationForm& form) {
        form.FormCreate();
        form.editVibrationDurationChange("0");
        return form.btnOKClick();
    };
    f.page.btnVibrationDetailsClick();
    EXPECT_FALSE(f.page.state().triggerVibration || f.page.state().vibrationDetailsEnabled);

    // Cancel keeps everything.
    f.dialogs.vibrationDialog = [](VibrationForm& form) {
        form.FormCreate();
        form.tbVibration1Change(90);
        return false;
    };
    f.page.btnVibrationDetailsClick();
    EXPECT_EQ(f.values(), (std::vector<int>{0, 25, 0}));
}

TEST(OptionsPageDialogs, TheAliasButtonOpensTheDialogOverTheProfileInForce) {
    OptionsFixture f;
    f.dialogs.aliasDialog = [](ButtonAliasForm& form) {
        form.FormCreate();
        form.lvButtonAliasSelectItem(8);
        form.cbAssignmentChange(1, 57);
    };
    f.page.btnButtonAliasClick();
    EXPECT_EQ(f.profile().buttonAlias[56], (ButtonAliasEntry{57, -1, -1}));
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.dialogs.shown, (Texts{"button alias dialog"}));
}

}  // namespace
}  // namespace vrx::test
