#include <gtest/gtest.h>

#include "Dialogs/InputNameForm.h"
#include "Dialogs/WizardForm.h"

namespace vrx {
namespace {

struct WizardCase {
    const char* name;
    void (*act)(WizardForm&);
    int result;
    int key;
};

class WizardFormCases : public testing::TestWithParam<WizardCase> {};

TEST_P(WizardFormCases, EndsWithResultAndKey) {
    WizardForm form;
    form.FormActivate();
    EXPECT_FALSE(form.closeRequested());
    GetParam().act(form);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(form.result(), GetParam().result);
    EXPECT_EQ(form.key(), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, WizardFormCases,
    testing::Values(WizardCase{"TabIsAKey", [](WizardForm& f) { f.Edit1KeyDown(9); }, WizardForm::kKey, 9},
                    WizardCase{"LetterKey", [](WizardForm& f) { f.Edit1KeyDown('A'); }, WizardForm::kKey, 'A'},
                    WizardCase{"EscapeIsAKey", [](WizardForm& f) { f.Edit1KeyDown(27); }, WizardForm::kKey, 27},
                    WizardCase{"Skip", [](WizardForm& f) { f.btnSkipClick(); }, WizardForm::kSkip, 0},
                    WizardCase{"Exit", [](WizardForm& f) { f.btnExitClick(); }, WizardForm::kExit, 0}),
    [](const testing::TestParamInfo<WizardCase>& info) { return std::string(info.param.name); });

TEST(WizardForm, ActivationForgetsThePreviousAnswer) {
    WizardForm form;
    form.Edit1KeyDown('Q');
    form.FormActivate();
    EXPECT_EQ(form.result(), WizardForm::kExit);
    EXPECT_EQ(form.key(), 0);
    EXPECT_FALSE(form.closeRequested());
    EXPECT_TRUE(form.Edit1KeyPress(L'q'));  // characters never reach the box
}

TEST(InputNameForm, CancelEmptiesTheTextOkKeepsIt) {
    InputNameForm cancelled;
    cancelled.editNewNameChange("typed by the user");
    cancelled.btnCancelClick();
    EXPECT_EQ(cancelled.text(), "");
    EXPECT_TRUE(cancelled.closeRequested());

    InputNameForm accepted;
    accepted.editNewNameChange("ゲーム");
    accepted.btnOKClick();
    EXPECT_EQ(accepted.text(), "ゲーム");
    EXPECT_TRUE(accepted.closeRequested());
    EXPECT_EQ(accepted.explanation(), "設定ファイルの名前を入力してください");
}

TEST(InputNameForm, OnlyEnterInTheBoxClosesAsOk) {
    InputNameForm form;
    form.editNewNameChange("abc");
    EXPECT_FALSE(form.editNewNameKeyDown('A'));
    EXPECT_FALSE(form.closeRequested());
    EXPECT_TRUE(form.editNewNameKeyDown(13));
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(form.text(), "abc");
    form.FormActivate();
    EXPECT_FALSE(form.closeRequested());
}

struct NameCase {
    const char* name;
    const char* initial;
    void (*act)(InputNameForm&);
    const char* text;
    bool accepted;
};

class InputNameFormEndings : public testing::TestWithParam<NameCase> {};

// The caller reads an empty text as cancelled, so the dialog ends as
// Cancel whenever its text is empty, whichever way it was closed.
TEST_P(InputNameFormEndings, AnEmptyNameEndsAsCancel) {
    InputNameForm form(GetParam().initial);
    form.FormActivate();
    GetParam().act(form);
    EXPECT_TRUE(form.closeRequested());
    EXPECT_EQ(form.text(), GetParam().text);
    EXPECT_EQ(form.accepted(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, InputNameFormEndings,
    testing::Values(NameCase{"OkKeepsTheInitialText", "Game", [](InputNameForm& f) { f.btnOKClick(); }, "Game", true},
                    NameCase{"EnterOnTypedText", "Game",
                             [](InputNameForm& f) {
                                 f.editNewNameChange("Race");
                                 f.editNewNameKeyDown(13);
                             },
                             "Race", true},
                    NameCase{"OkOnAnEmptyBox", "Game",
                             [](InputNameForm& f) {
                                 f.editNewNameChange("");
                                 f.btnOKClick();
                             },
                             "", false},
                    NameCase{"Cancel", "Game", [](InputNameForm& f) { f.btnCancelClick(); }, "", false}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(InputNameForm, TheCallersExplanationReplacesTheDefaultUnlessEmpty) {
    EXPECT_EQ(InputNameForm("x", "デバイスの名前を入力してください").explanation(), "デバイスの名前を入力してください");
    EXPECT_EQ(InputNameForm("x", "").explanation(), InputNameForm::kDefaultExplanation);
}

}  // namespace
}  // namespace vrx
