// The assignment dialog's command, special and text pages.
#include "Dialogs/AssignDialog_win.h"
#include "Ui/Theme_win.h"

namespace vrx {

void AssignDialog::createCommandPage() {
    const HWND p = pages_[kPageCommand].hwnd();
    lvCommand.create(p);
    name("lvCommand", lvCommand);
    lvCommand.setColumns({{"#", 40}, {"キー1", 125}, {"キー2", 125}, {"キー3", 125}, {"キー4", 125},
                          {"保持時間(ms)", 110, ui::TextAlign::Right}});
    const CommandListColors colours = ui::commandListRows(ui::palette());
    lvCommand.rowLookPaintsSelection = true;
    lvCommand.rowLook = [this, colours](int row) {  // lvCommandCustomDrawItem
        const bool selected = row == form_.state().selectedStep;
        return ui::RowLook{ui::colorRefOf(selected ? colours.selectedBackground : colours.background),
                           ui::colorRefOf(selected ? colours.selectedText : colours.text), false};
    };
    lvCommand.onSelectionChange = [this](int row) {
        link_([row](AssignForm& f) { f.lvCommandSelectItem(row); });
    };
    btnCmdAdd.create(p, "追加");
    btnCmdAdd.setHint("行を追加（末尾）");
    btnCmdAdd.onClick = [this] { link_([](AssignForm& f) { f.btnCmdAddClick(); }); };
    btnCmdDelete.create(p, "削除");
    btnCmdDelete.onClick = [this] { link_([](AssignForm& f) { f.btnCmdDeleteClick(); }); };
    btnCmdUp.create(p, "↑");
    btnCmdUp.onClick = [this] { link_([](AssignForm& f) { f.btnCmdUpClick(); }); };
    btnCmdDown.create(p, "↓");
    btnCmdDown.onClick = [this] { link_([](AssignForm& f) { f.btnCmdDownClick(); }); };
    lblCommandNote.create(
        p, "同じ行のキーは同時に押されます。次の行にも同じキーがある場合は、そのキーは押したまま保持されます。");
    lblStepEditor.create(p, "入力ボックスを右クリックすると、クリアしたり、特殊キーやマウス入力を割り当てることができます。");
    for (int k = 0; k < 4; ++k) createKeyBox(kFirstStepKeyBox + k, p);
    lblCmdDuration.create(p, "保持時間(ms)", {.wordWrap = false});
    editCmdDuration.create(p);
    editCmdDuration.onChange = [this] {
        link_([text = editCmdDuration.text()](AssignForm& f) { f.editCmdDurationChange(text); });
    };
}

void AssignDialog::createSpecialPage() {
    const HWND p = pages_[kPageSpecial].hwnd();
    groupShift.create(p, "ジョイスティックのシフト");
    cbShiftKey.create(p);
    cbShiftKey.setItems(form_.state().cbShiftKeyItems);
    name("cbShiftKey", cbShiftKey);
    cbShiftKey.onChange = [this](int index) { link_([index](AssignForm& f) { f.cbShiftKeyChange(index); }); };
    cbShiftKeyDelayed.create(p, "一定時間押されたら切り替える");
    cbShiftKeyDelayed.onChange = [this](bool on) { link_([on](AssignForm& f) { f.cbShiftKeyDelayedClick(on); }); };
    editShiftKeyDelay.create(p);
    lblShiftUnit.create(p, "ミリ秒", {.wordWrap = false});

    groupProfile.create(p, "プロファイルの切り替え");
    cbSwitchProfile.create(p);
    cbSwitchProfile.setItems(form_.state().cbSwitchProfileItems);
    cbSwitchProfile.onChange = [this](int index) {
        link_([index](AssignForm& f) { f.cbSwitchProfileChange(index); });
    };
    cbSwitchProfileDelayed.create(p, "一定時間押されたら切り替える");
    cbSwitchProfileDelayed.onChange = [this](bool on) {
        link_([on](AssignForm& f) { f.cbSwitchProfileDelayedClick(on); });
    };
    editSwitchProfileDelay.create(p);
    lblProfileUnit.create(p, "ミリ秒", {.wordWrap = false});
    linkIntegerBox(editShiftKeyDelay, IntegerBox::ShiftKeyDelay);
    linkIntegerBox(editSwitchProfileDelay, IntegerBox::SwitchProfileDelay);

    groupProgram.create(p, "プログラムの起動");
    lblProgram.create(p, "プログラム", {.wordWrap = false});
    editExternalProgram.create(p);
    editExternalProgram.onChange = [this] {
        link_([text = editExternalProgram.text()](AssignForm& f) { f.editExternalProgramChange(text); });
    };
    btnExternalProgram.create(p, "...");
    btnExternalProgram.onClick = [this] { link_([](AssignForm& f) { f.btnExternalProgramClick(); }); };
    lblParameters.create(p, "パラメータ", {.wordWrap = false});
    editExternalProgramParameters.create(p);
    editExternalProgramParameters.onChange = [this] {
        link_([text = editExternalProgramParameters.text()](AssignForm& f) {
            f.editExternalProgramParametersChange(text);
        });
    };
    lblStartFrom.create(p, "作業フォルダ", {.wordWrap = false});
    editExternalProgramStartFrom.create(p);
    editExternalProgramStartFrom.onChange = [this] {
        link_([text = editExternalProgramStartFrom.text()](AssignForm& f) {
            f.editExternalProgramStartFromChange(text);
        });
    };
    btnExternalProgramStartFrom.create(p, "...");
    btnExternalProgramStartFrom.onClick = [this] {
        link_([](AssignForm& f) { f.btnExternalProgramStartFromClick(); });
    };
    lblProgramNote.create(p, "EXE ファイルのほか、Web ページのアドレスやサウンドファイル (.mp3, .wav) も指定できます。");
}

void AssignDialog::createTextPage() {
    const HWND p = pages_[kPageText].hwnd();
    lblTextNote.create(p, "ボタンが押されたときに貼り付けるテキスト（変数を使うことができます）", {.wordWrap = false});
    memoText.create(p, {}, {.multiLine = true});
    name("memoText", memoText);
    memoText.onChange = [this] { link_([text = memoText.text()](AssignForm& f) { f.memoTextChange(text); }); };
    lblSupportedVariables.create(p, "すべての変数を見る", {.wordWrap = false, .link = true});
    lblSupportedVariables.onClick = [this] { link_([](AssignForm& f) { f.lblSupportedVariablesClick(); }); };
}

void AssignDialog::layoutOtherPages() {
    lvCommand.setBounds(dpi().scale(8), dpi().scale(8), dpi().scale(700), dpi().scale(160));
    btnCmdAdd.setBounds(dpi().scale(716), dpi().scale(8), dpi().scale(92), dpi().scale(28));
    btnCmdDelete.setBounds(dpi().scale(716), dpi().scale(42), dpi().scale(92), dpi().scale(28));
    btnCmdUp.setBounds(dpi().scale(716), dpi().scale(96), dpi().scale(92), dpi().scale(28));
    btnCmdDown.setBounds(dpi().scale(716), dpi().scale(130), dpi().scale(92), dpi().scale(28));
    lblCommandNote.setBounds(dpi().scale(8), dpi().scale(176), dpi().scale(800), dpi().scale(20));
    lblStepEditor.setBounds(dpi().scale(8), dpi().scale(210), dpi().scale(800), dpi().scale(20));
    for (int k = 0; k < 4; ++k)
        keyBoxes_[static_cast<size_t>(kFirstStepKeyBox + k)].setBounds(dpi().scale(8 + k * 131), dpi().scale(234), dpi().scale(125),
                                                                        dpi().scale(26));
    lblCmdDuration.setBounds(dpi().scale(540), dpi().scale(238), dpi().scale(100), dpi().scale(20));
    editCmdDuration.setBounds(dpi().scale(644), dpi().scale(235), dpi().scale(64), dpi().scale(24));

    groupShift.setBounds(dpi().scale(8), dpi().scale(4), dpi().scale(800), dpi().scale(60));
    cbShiftKey.setBounds(dpi().scale(22), dpi().scale(28), dpi().scale(300), dpi().scale(24));
    cbShiftKeyDelayed.setBounds(dpi().scale(340), dpi().scale(29), dpi().scale(260), dpi().scale(22));
    editShiftKeyDelay.setBounds(dpi().scale(604), dpi().scale(28), dpi().scale(64), dpi().scale(24));
    lblShiftUnit.setBounds(dpi().scale(674), dpi().scale(31), dpi().scale(60), dpi().scale(20));
    groupProfile.setBounds(dpi().scale(8), dpi().scale(70), dpi().scale(800), dpi().scale(60));
    cbSwitchProfile.setBounds(dpi().scale(22), dpi().scale(94), dpi().scale(300), dpi().scale(24));
    cbSwitchProfileDelayed.setBounds(dpi().scale(340), dpi().scale(95), dpi().scale(260), dpi().scale(22));
    editSwitchProfileDelay.setBounds(dpi().scale(604), dpi().scale(94), dpi().scale(64), dpi().scale(24));
    lblProfileUnit.setBounds(dpi().scale(674), dpi().scale(97), dpi().scale(60), dpi().scale(20));
    groupProgram.setBounds(dpi().scale(8), dpi().scale(136), dpi().scale(800), dpi().scale(146));
    lblProgram.setBounds(dpi().scale(22), dpi().scale(163), dpi().scale(100), dpi().scale(20));
    editExternalProgram.setBounds(dpi().scale(126), dpi().scale(160), dpi().scale(624), dpi().scale(24));
    btnExternalProgram.setBounds(dpi().scale(756), dpi().scale(159), dpi().scale(40), dpi().scale(26));
    lblParameters.setBounds(dpi().scale(22), dpi().scale(193), dpi().scale(100), dpi().scale(20));
    editExternalProgramParameters.setBounds(dpi().scale(126), dpi().scale(190), dpi().scale(624), dpi().scale(24));
    lblStartFrom.setBounds(dpi().scale(22), dpi().scale(223), dpi().scale(100), dpi().scale(20));
    editExternalProgramStartFrom.setBounds(dpi().scale(126), dpi().scale(220), dpi().scale(624), dpi().scale(24));
    btnExternalProgramStartFrom.setBounds(dpi().scale(756), dpi().scale(219), dpi().scale(40), dpi().scale(26));
    lblProgramNote.setBounds(dpi().scale(22), dpi().scale(252), dpi().scale(774), dpi().scale(20));

    lblTextNote.setBounds(dpi().scale(8), dpi().scale(8), dpi().scale(600), dpi().scale(20));
    memoText.setBounds(dpi().scale(8), dpi().scale(32), dpi().scale(800), dpi().scale(240));
    lblSupportedVariables.setBounds(dpi().scale(8), dpi().scale(282), dpi().scale(200), dpi().scale(20));
}

void AssignDialog::showOtherPages() {
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
