#include "Dialogs/ButtonAliasDialog_win.h"

namespace vrx {
namespace {

constexpr const char* kExplanation =
    "例えば、ジョイスティックを買い替えた場合にボタン番号を入れ替えることができます。また、使用されていない後半のボタン"
    "設定を利用することで、一つのボタンに複数の機能を割り当てたり（例えば Button1 が押されたら、Button21 "
    "も押されたことにする）、またはボタンの同時押しに対する処理を指定することもできます（例えば Button3 と Button4 "
    "が両方押されたら Button22 が押されたことにする）";
constexpr const char* kFurtherInput = "さらに下記の入力も同時に押された場合のみに限定する";

}  // namespace

ButtonAliasDialog::ButtonAliasDialog(ButtonAliasForm& form) : form_(form) { setTitle("ボタン割り当ての変更"); }

void ButtonAliasDialog::createControls() {
    const HWND p = hwnd();
    Label3.create(p, kExplanation);
    lvButtonAlias.create(p);
    lvButtonAlias.setGridLines(true);
    lvButtonAlias.setDpi(dpi());
    lvButtonAlias.setColumns({{"Button設定", 120}, {"どのボタンが押されたら？", 220}});
    lblSelected.create(p, "");
    lblAssignment1.create(p, "下記の入力があったら押されたことにする");
    cbAssignment1.create(p);
    cbAssignment1.setItems(ButtonAliasForm::assignmentItems());
    lblAssignment2.create(p, kFurtherInput);
    cbAssignment2.create(p);
    cbAssignment2.setItems(ButtonAliasForm::furtherAssignmentItems());
    lblAssignment3.create(p, kFurtherInput);
    cbAssignment3.create(p);
    cbAssignment3.setItems(ButtonAliasForm::furtherAssignmentItems());
    btnOK.create(p, "OK", true, IDOK);
    setDefaultButton(btnOK);

    form_.FormCreate();
    for (const AliasRow& row : form_.rows()) lvButtonAlias.addRow({row.caption, row.text}, row.slot);
    lvButtonAlias.rowLook = [this](int row) {
        ui::RowLook look;
        look.bold = form_.lvButtonAliasCustomDrawItem(row);
        return look;
    };
    lvButtonAlias.onSelectionChange = [this](int row) {
        form_.lvButtonAliasSelectItem(row);
        showSelection();
    };
    cbAssignment1.onChange = [this](int index) { assignmentChanged(1, index); };
    cbAssignment2.onChange = [this](int index) { assignmentChanged(2, index); };
    cbAssignment3.onChange = [this](int index) { assignmentChanged(3, index); };
    btnOK.onClick = [this] { endDialog(IDOK); };
    if (form_.selectedRow() >= 0) lvButtonAlias.setSelectedRow(form_.selectedRow());
    showSelection();
}

void ButtonAliasDialog::activated() { lvButtonAlias.setFocus(); }

void ButtonAliasDialog::showSelection() {
    const AliasSelection& s = form_.selection();
    lblSelected.setText(s.caption);
    cbAssignment1.setSelected(s.assignment1);
    cbAssignment2.setSelected(s.assignment2);
    cbAssignment3.setSelected(s.assignment3);
}

void ButtonAliasDialog::assignmentChanged(int list, int index) {
    form_.cbAssignmentChange(list, index);
    const int row = form_.selectedRow();
    if (row >= 0) {
        lvButtonAlias.setCellText(row, 1, form_.rows()[static_cast<size_t>(row)].text);
        lvButtonAlias.redrawRows();
    }
    showSelection();
}

void ButtonAliasDialog::layout() {
    lvButtonAlias.setDpi(dpi());
    place(Label3, 12, 10, 636, 72);
    place(lvButtonAlias, 12, 90, 364, 322);
    place(lblSelected, 388, 84, 260, 328);
    place(lblAssignment1, 400, 106, 236, 36);
    place(cbAssignment1, 400, 144, 236, 24);
    place(lblAssignment2, 400, 186, 236, 36);
    place(cbAssignment2, 400, 224, 236, 24);
    place(lblAssignment3, 400, 266, 236, 36);
    place(cbAssignment3, 400, 304, 236, 24);
    place(btnOK, 560, 428, 88, 28);
}

}  // namespace vrx
