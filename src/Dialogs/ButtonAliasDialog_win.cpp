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

    lvButtonAlias.rowLook = [this](int row) {
        ui::RowLook look;
        look.bold = form_.lvButtonAliasCustomDrawItem(row);
        return look;
    };
    lvButtonAlias.onSelectionChange = [this](int row) {
        link_([row](ButtonAliasForm& f) { f.lvButtonAliasSelectItem(row); });
    };
    cbAssignment1.onChange = [this](int index) {
        link_([index](ButtonAliasForm& f) { f.cbAssignmentChange(1, index); });
    };
    cbAssignment2.onChange = [this](int index) {
        link_([index](ButtonAliasForm& f) { f.cbAssignmentChange(2, index); });
    };
    cbAssignment3.onChange = [this](int index) {
        link_([index](ButtonAliasForm& f) { f.cbAssignmentChange(3, index); });
    };
    btnOK.onClick = [this] { endDialog(IDOK); };
    link_([](ButtonAliasForm& f) { f.FormCreate(); });
}

void ButtonAliasDialog::activated() { lvButtonAlias.setFocus(); }

void ButtonAliasDialog::refresh() {
    const std::vector<AliasRow>& rows = form_.rows();
    // The rows come once, from FormCreate; after it only their texts change.
    if (lvButtonAlias.rowCount() != static_cast<int>(rows.size())) {
        lvButtonAlias.clear();
        for (const AliasRow& row : rows) lvButtonAlias.addRow({row.caption, row.text}, row.slot);
    }
    bool rowsChanged = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string& text = rows[i].text;
        if (lvButtonAlias.cellText(row, 1) == text) continue;
        lvButtonAlias.setCellText(row, 1, text);
        rowsChanged = true;
    }
    // A changed entry may change its row's weight.
    if (rowsChanged) lvButtonAlias.redrawRows();
    if (lvButtonAlias.selectedRow() != form_.selectedRow()) lvButtonAlias.setSelectedRow(form_.selectedRow());
    const AliasSelection& s = form_.selection();
    lblSelected.setText(s.caption);
    cbAssignment1.setSelected(s.assignment1);
    cbAssignment2.setSelected(s.assignment2);
    cbAssignment3.setSelected(s.assignment3);
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
