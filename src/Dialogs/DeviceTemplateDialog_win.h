#pragma once

#include <optional>
#include <string>

#include "Dialogs/DeviceDialogLinks.h"
#include "Dialogs/DeviceTemplateForm.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/ListView_win.h"

namespace vrx {

class DeviceTemplateManager;

// Posted by the template dialog to itself: edit the label of row wParam.
inline constexpr UINT kVrxEditButtonLabel = WM_APP + 150;

// "ボタン表示テンプレートの設定": chooses a button template, renames it,
// copies it and edits its labels in place. After it closes the caller reads
// resultTemplateId().
class DeviceTemplateDialog : public ui::DialogWindow, private NameAsker {
public:
    DeviceTemplateDialog(DeviceTemplateManager& templates, const std::string& templateId);

    const std::string& resultTemplateId() const { return form_.resultTemplateId(); }

protected:
    SIZE designSize() const override { return {420, 480}; }
    void createControls() override;
    void layout() override;
    void cancel() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    // Shows the model: the templates, the rows, the editor; closes when it
    // asks.
    void refresh();
    void showRows();
    void showEditor();
    void postEditLabel(std::optional<int> row);

    DeviceTemplateForm form_;
    ui::FormLink<DeviceTemplateForm> link_{form_, [this] { refresh(); }};
    // The filling of the rows and the opening of the editor the controls
    // show (DeviceTemplateForm::rowFillings, editorOpenings).
    int shownFilling_ = -1;
    int shownOpening_ = -1;
    ui::Label lblTemplates;
    ui::ComboBox cbTemplates;
    ui::Button btnEditTemplateName, btnCreateNewTemplate;
    ui::ListView lvButtonLabels;
    ui::Edit ListViewCellEditor;
    ui::Button btnOk;
};

// The template dialog over owner: the identifier of the template it showed
// when it closed.
std::string chooseTemplateOver(HWND owner, DeviceTemplateManager& templates, const std::string& templateId);

}  // namespace vrx
