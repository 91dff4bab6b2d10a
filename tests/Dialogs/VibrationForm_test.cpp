#include "Dialogs/VibrationForm.h"

#include <gtest/gtest.h>

#include "Dialogs/ButtonAliasForm.h"
#include "support/MainFormFixture.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

struct VibrationFixture : MainFormFixture {
    OptionsPage& page = form.options();
    ProfileSettings& stored = profile().settings;

    VibrationFixture() { profile().modified = false; }
    std::vector<int> values() const { return {stored.vibrationSpeed1, stored.vibrationSpeed2, stored.vibrationDuration}; }
};

TEST(VibrationForm, OpensWithTheProfilesValuesAndLabelsFollowTheBars) {
    VibrationFixture f;
    f.stored.vibrationSpeed1 = 40;
    f.stored.vibrationSpeed2 = 100;
    f.stored.vibrationDuration = 350;
    VibrationForm form(f.profile(), f.dialogs);
    form.FormCreate();
    EXPECT_EQ((Texts{form.state().speed1Label, form.state().speed2Label, form.state().duration}),
              (Texts{"40 %", "100 %", "350"}));
    form.tbVibration1Change(75);
    form.tbVibration2Change(120);  // beyond the bar's end
    EXPECT_EQ((Texts{form.state().speed1Label, form.state().speed2Label}), (Texts{"75 %", "100 %"}));
    EXPECT_EQ(f.values(), (std::vector<int>{40, 100, 350}));  // nothing stored before OK
    EXPECT_FALSE(f.profile().modified);
}

TEST(VibrationForm, OkStoresTheBarsAndTheDuration) {
    VibrationFixture f;
    VibrationForm form(f.profile(), f.dialogs);
    form.FormCreate();
    form.tbVibration1Change(30);
    form.tbVibration2Change(60);
    EXPECT_TRUE(form.btnOKClick("800"));
    EXPECT_EQ(f.values(), (std::vector<int>{30, 60, 800}));
    EXPECT_TRUE(f.profile().modified);
}

TEST(VibrationForm, ADurationThatIsNoNumberIsReportedOnLeavingAndRefusedOnOk) {
    for (const char* typed : {"fast", "", "-1", "1.5"}) {
        VibrationFixture f;
        f.stored.vibrationDuration = 500;
        VibrationForm form(f.profile(), f.dialogs);
        form.FormCreate();
        form.tbVibration1Change(50);
        EXPECT_FALSE(form.editVibrationDurationExit(typed));
        EXPECT_TRUE(form.focusDurationRequested());
        EXPECT_FALSE(form.btnOKClick(typed));
        const std::string message = std::string("Error: \"") + typed +
                                    "\" は有効な振動時間ではありません。0 以上の整数 (ミリ秒) を入力してください。";
        EXPECT_EQ(f.dialogs.shown, (Texts{message, message})) << typed;
        EXPECT_EQ(f.values(), (std::vector<int>{0, 0, 500})) << typed;
        EXPECT_FALSE(f.profile().modified);
    }
    VibrationFixture f;
    VibrationForm form(f.profile(), f.dialogs);
    EXPECT_TRUE(form.editVibrationDurationExit("0"));
    EXPECT_FALSE(form.focusDurationRequested());
}

// Unchecking clears all three values and checking again gives the default
// time with no speed, so nothing rumbles until the dialog raises a speed.
TEST(OptionsPageDialogs, TheVibrationCheckBoxRuleThenTheDetailsDialog) {
    VibrationFixture f;
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
        return form.btnOKClick("300");
    };
    f.page.btnVibrationDetailsClick();
    EXPECT_EQ(opened, (Texts{"0 %", "0 %", "500"}));
    EXPECT_EQ(f.values(), (std::vector<int>{0, 25, 300}));

    // OK with no time left switches the rumble off on the page too.
    f.dialogs.vibrationDialog = [](VibrationForm& form) {
        form.FormCreate();
        return form.btnOKClick("0");
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
    VibrationFixture f;
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
