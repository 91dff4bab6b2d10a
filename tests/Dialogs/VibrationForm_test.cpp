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
    form.editVibrationDurationChange("800");
    EXPECT_TRUE(form.btnOKClick());
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
        form.editVibrationDurationChange(typed);
        EXPECT_FALSE(form.editVibrationDurationExit(VibrationForm::FocusMove::ToAnotherControl));
        EXPECT_TRUE(form.focusDurationRequested());
        EXPECT_FALSE(form.btnOKClick());
        const std::string message = std::string("Error: \"") + typed +
                                    "\" は有効な振動時間ではありません。0 以上の整数 (ミリ秒) を入力してください。";
        EXPECT_EQ(f.dialogs.shown, (Texts{message, message})) << typed;
        EXPECT_EQ(f.values(), (std::vector<int>{0, 0, 500})) << typed;
        EXPECT_FALSE(f.profile().modified);
    }
    VibrationFixture f;
    VibrationForm form(f.profile(), f.dialogs);
    form.editVibrationDurationChange("0");
    EXPECT_TRUE(form.editVibrationDurationExit(VibrationForm::FocusMove::ToAnotherControl));
    EXPECT_FALSE(form.focusDurationRequested());
}

// The box is checked only when the focus moved on within the dialog: on
// the way to Cancel, to another window or back into the box the user is
// not stopped, and an earlier request for the focus is dropped.
TEST(VibrationForm, OnlyLeavingTheBoxForAnotherControlOfTheDialogChecksIt) {
    using Move = VibrationForm::FocusMove;
    const struct {
        Move move;
        bool checked;
    } cases[] = {{Move::ToCancel, false},
                 {Move::BackToTheBox, false},
                 {Move::OutOfTheDialog, false},
                 {Move::ToAnotherControl, true}};
    for (const auto& c : cases) {
        VibrationFixture f;
        const std::vector<int> before = f.values();
        VibrationForm form(f.profile(), f.dialogs);
        form.FormCreate();
        form.editVibrationDurationChange("soon");
        EXPECT_FALSE(form.btnOKClick());
        f.dialogs.shown.clear();
        EXPECT_EQ(form.editVibrationDurationExit(c.move), !c.checked) << static_cast<int>(c.move);
        EXPECT_EQ(form.focusDurationRequested(), c.checked) << static_cast<int>(c.move);
        EXPECT_EQ(f.dialogs.shown.size(), c.checked ? 1u : 0u) << static_cast<int>(c.move);
        EXPECT_EQ(f.values(), before);
    }
}

}  // namespace
}  // namespace vrx::test
