// The assignment dialog's command, special and text pages.
#include "Dialogs/AssignDialog_win.h"
#include "Dialogs/CommandListColors.h"
#include "Ui/Theme_win.h"

namespace vrx {
namespace {

Rgb rgbOf(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

// The list style's own colours, from which the rows' colours are worked out.
CommandListColors currentCommandListColors() {
    const bool dark = ui::Theme::dark();
    const COLORREF background = dark ? ui::glowPalette().field : GetSysColor(COLOR_WINDOW);
    const COLORREF text = dark ? ui::glowPalette().text : GetSysColor(COLOR_WINDOWTEXT);
    return commandListColors(rgbOf(background), rgbOf(text), rgbOf(GetSysColor(COLOR_SCROLLBAR)),
                             rgbOf(GetSysColor(COLOR_HIGHLIGHT)));
}

}  // namespace

void AssignDialog::createCommandPage() {
    const HWND p = pages_[kPageCommand].hwnd();
    lvCommand.create(p);
    name("lvCommand", lvCommand);
    lvCommand.setColumns({{"#", 40}, {"キー1", 125}, {"キー2", 125}, {"キー3", 125}, {"キー4", 125},
                          {"保持時間(ms)", 110, ui::TextAlign::Right}});
    const CommandListColors colours = currentCommandListColors();
    lvCommand.rowLookPaintsSelection = true;
    lvCommand.rowLook = [this, colours](int row) {  // lvCommandCustomDrawItem
        const bool selected = row == form_.state().selectedStep;
        return ui::RowLook{ui::colorRefOf(selected ? colours.selectedBackground : colours.background),
                           ui::colorRefOf(selected ? colours.selectedText : colours.text), false};
    };
    lvCommand.onSelectionChange = [this](int row) {
        if (!syncing_) route([row](AssignForm& f) { f.lvCommandSelectItem(row); });
    };
    btnCmdAdd.create(p, "追加");
    btnCmdAdd.setHint("行を追加（末尾）");
    btnCmdAdd.onClick = [this] { route([](AssignForm& f) { f.btnCmdAddClick(); }); };
    btnCmdDelete.create(p, "削除");
    btnCmdDelete.onClick = [this] { route([](AssignForm& f) { f.btnCmdDeleteClick(); }); };
    btnCmdUp.create(p, "↑");
    btnCmdUp.onClick = [this] { route([](AssignForm& f) { f.btnCmdUpClick(); }); };
    btnCmdDown.create(p, "↓");
    btnCmdDown.onClick = [this] { route([](AssignForm& f) { f.btnCmdDownClick(); }); };
    lblCommandNote.create(
        p, "同じ行のキーは同時に押されます。次の行にも同じキーがある場合は、そのキーは押したまま保持されます。");
    lblStepEditor.create(p, "入力ボックスを右クリックすると、クリアしたり、特殊キーやマウス入力を割り当てることができます。");
    for (int k = 0; k < 4; ++k) createKeyBox(kFirstStepKeyBox + k, p);
    lblCmdDuration.create(p, "保持時間(ms)", {.wordWrap = false});
    editCmdDuration.create(p);
    editCmdDuration.onChange = [this] {
        if (!syncing_) route([text = editCmdDuration.text()](AssignForm& f) { f.editCmdDurationChange(text); });
    };
}

void AssignDialog::createSpecialPage() {
    const HWND p = pages_[kPageSpecial].hwnd();
    groupShift.create(p, "ジョイスティックのシフト");
    cbShiftKey.create(p);
    cbShiftKey.setItems(form_.state().cbShiftKeyItems);
    name("cbShiftKey", cbShiftKey);
    cbShiftKey.onChange = [this](int index) { form_.state().cbShiftKey = index; };
    cbShiftKeyDelayed.create(p, "一定時間押されたら切り替える");
    cbShiftKeyDelayed.onChange = [this](bool on) { route([on](AssignForm& f) { f.state().cbShiftKeyDelayed = on; }); };
    editShiftKeyDelay.create(p);
    lblShiftUnit.create(p, "ミリ秒", {.wordWrap = false});

    groupProfile.create(p, "プロファイルの切り替え");
    cbSwitchProfile.create(p);
    cbSwitchProfile.setItems(form_.state().cbSwitchProfileItems);
    cbSwitchProfile.onChange = [this](int index) { form_.state().cbSwitchProfile = index; };
    cbSwitchProfileDelayed.create(p, "一定時間押されたら切り替える");
    cbSwitchProfileDelayed.onChange = [this](bool on) {
        route([on](AssignForm& f) { f.state().cbSwitchProfileDelayed = on; });
    };
    editSwitchProfileDelay.create(p);
    lblProfileUnit.create(p, "ミリ秒", {.wordWrap = false});
    bindIntegerBox(editShiftKeyDelay, IntegerBox::ShiftKeyDelay);
    bindIntegerBox(editSwitchProfileDelay, IntegerBox::SwitchProfileDelay);

    groupProgram.create(p, "プログラムの起動");
    lblProgram.create(p, "プログラム", {.wordWrap = false});
    editExternalProgram.create(p);
    bindText(editExternalProgram, &AssignFormState::editExternalProgram);
    btnExternalProgram.create(p, "...");
    btnExternalProgram.onClick = [this] { route([](AssignForm& f) { f.btnExternalProgramClick(); }); };
    lblParameters.create(p, "パラメータ", {.wordWrap = false});
    editExternalProgramParameters.create(p);
    bindText(editExternalProgramParameters, &AssignFormState::editExternalProgramParameters);
    lblStartFrom.create(p, "作業フォルダ", {.wordWrap = false});
    editExternalProgramStartFrom.create(p);
    bindText(editExternalProgramStartFrom, &AssignFormState::editExternalProgramStartFrom);
    btnExternalProgramStartFrom.create(p, "...");
    btnExternalProgramStartFrom.onClick = [this] {
        route([](AssignForm& f) { f.btnExternalProgramStartFromClick(); });
    };
    lblProgramNote.create(p, "EXE ファイルのほか、Web ページのアドレスやサウンドファイル (.mp3, .wav) も指定できます。");
}

void AssignDialog::createTextPage() {
    const HWND p = pages_[kPageText].hwnd();
    lblTextNote.create(p, "ボタンが押されたときに貼り付けるテキスト（変数を使うことができます）", {.wordWrap = false});
    memoText.create(p, {}, {.multiLine = true});
    name("memoText", memoText);
    bindText(memoText, &AssignFormState::memoText);
    lblSupportedVariables.create(p, "すべての変数を見る", {.wordWrap = false, .link = true});
    lblSupportedVariables.onClick = [this] { route([](AssignForm& f) { f.lblSupportedVariablesClick(); }); };
}

void AssignDialog::layoutOtherPages() {
    lvCommand.setBounds(scale(8), scale(8), scale(700), scale(160));
    btnCmdAdd.setBounds(scale(716), scale(8), scale(92), scale(28));
    btnCmdDelete.setBounds(scale(716), scale(42), scale(92), scale(28));
    btnCmdUp.setBounds(scale(716), scale(96), scale(92), scale(28));
    btnCmdDown.setBounds(scale(716), scale(130), scale(92), scale(28));
    lblCommandNote.setBounds(scale(8), scale(176), scale(800), scale(20));
    lblStepEditor.setBounds(scale(8), scale(210), scale(800), scale(20));
    for (int k = 0; k < 4; ++k)
        keyBoxes_[static_cast<size_t>(kFirstStepKeyBox + k)].setBounds(scale(8 + k * 131), scale(234), scale(125),
                                                                        scale(26));
    lblCmdDuration.setBounds(scale(540), scale(238), scale(100), scale(20));
    editCmdDuration.setBounds(scale(644), scale(235), scale(64), scale(24));

    groupShift.setBounds(scale(8), scale(4), scale(800), scale(60));
    cbShiftKey.setBounds(scale(22), scale(28), scale(300), scale(24));
    cbShiftKeyDelayed.setBounds(scale(340), scale(29), scale(260), scale(22));
    editShiftKeyDelay.setBounds(scale(604), scale(28), scale(64), scale(24));
    lblShiftUnit.setBounds(scale(674), scale(31), scale(60), scale(20));
    groupProfile.setBounds(scale(8), scale(70), scale(800), scale(60));
    cbSwitchProfile.setBounds(scale(22), scale(94), scale(300), scale(24));
    cbSwitchProfileDelayed.setBounds(scale(340), scale(95), scale(260), scale(22));
    editSwitchProfileDelay.setBounds(scale(604), scale(94), scale(64), scale(24));
    lblProfileUnit.setBounds(scale(674), scale(97), scale(60), scale(20));
    groupProgram.setBounds(scale(8), scale(136), scale(800), scale(146));
    lblProgram.setBounds(scale(22), scale(163), scale(100), scale(20));
    editExternalProgram.setBounds(scale(126), scale(160), scale(624), scale(24));
    btnExternalProgram.setBounds(scale(756), scale(159), scale(40), scale(26));
    lblParameters.setBounds(scale(22), scale(193), scale(100), scale(20));
    editExternalProgramParameters.setBounds(scale(126), scale(190), scale(624), scale(24));
    lblStartFrom.setBounds(scale(22), scale(223), scale(100), scale(20));
    editExternalProgramStartFrom.setBounds(scale(126), scale(220), scale(624), scale(24));
    btnExternalProgramStartFrom.setBounds(scale(756), scale(219), scale(40), scale(26));
    lblProgramNote.setBounds(scale(22), scale(252), scale(774), scale(20));

    lblTextNote.setBounds(scale(8), scale(8), scale(600), scale(20));
    memoText.setBounds(scale(8), scale(32), scale(800), scale(240));
    lblSupportedVariables.setBounds(scale(8), scale(282), scale(200), scale(20));
}

void AssignDialog::syncOtherPages() {
    const AssignFormState& s = form_.state();
    const std::vector<std::vector<std::string>> rows = form_.commandRows();
    lvCommand.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) lvCommand.setRowTexts(row, rows[static_cast<size_t>(row)]);
    if (lvCommand.selectedRow() != s.selectedStep) lvCommand.setSelectedRow(s.selectedStep);
    lvCommand.redrawRows();
    const bool editor = form_.stepEditorEnabled();
    btnCmdDelete.setEnabled(editor);
    editCmdDuration.setEnabled(editor);
    lblCmdDuration.setEnabled(editor);
    btnCmdUp.setEnabled(form_.btnCmdUpEnabled());
    btnCmdDown.setEnabled(form_.btnCmdDownEnabled());
    editCmdDuration.showText(s.editCmdDuration);

    cbShiftKey.setSelected(s.cbShiftKey);
    cbShiftKeyDelayed.setChecked(s.cbShiftKeyDelayed);
    editShiftKeyDelay.showText(s.editShiftKeyDelay);
    editShiftKeyDelay.setEnabled(form_.editShiftKeyDelayEnabled());
    cbSwitchProfile.setSelected(s.cbSwitchProfile);
    cbSwitchProfileDelayed.setChecked(s.cbSwitchProfileDelayed);
    editSwitchProfileDelay.showText(s.editSwitchProfileDelay);
    editSwitchProfileDelay.setEnabled(form_.editSwitchProfileDelayEnabled());
    editExternalProgram.showText(s.editExternalProgram);
    editExternalProgramParameters.showText(s.editExternalProgramParameters);
    editExternalProgramStartFrom.showText(s.editExternalProgramStartFrom);

    memoText.showText(s.memoText);
}

}  // namespace vrx
