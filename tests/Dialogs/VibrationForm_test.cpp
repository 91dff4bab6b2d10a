#include "Dialogs/VibrationForm.h"

#include <gtest/gtest.h>

#include "support/MainFormFixture.h"

namespace vrx::test {
namespace {

using Texts = std::vector<std::string>;

struct VibrationFixture : MainFormFixture {
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

}  // namespace
}  // namespace vrx::test
