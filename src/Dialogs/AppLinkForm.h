#pragma once

#include <string>
#include <vector>

#include "AppLink/AppLinkData.h"
#include "Dialogs/AppLinkLinks.h"

namespace vrx {

class AppLinkManager;

struct AppLinkFormParts {
    AppLinkManager& manager;
    // The profile list's names, in its order.
    const std::vector<std::string>& profileNames;
    AppLinkItemEditor& itemEditor;
    DialogMessages& messages;
};

// The rule list dialog ("アプリケーションとの関連付け") without its window.
// Its rows are a working copy of the rules; the manager changes only when
// the user confirms, all at once.
class AppLinkForm {
public:
    explicit AppLinkForm(AppLinkFormParts parts);

    // --- State the view shows ---
    // LVAppLink: one row per rule, in rule order, and the selected one (-1
    // none).
    const std::vector<AppLinkRecord>& rows() const { return rows_; }
    int selectedRow() const { return selectedRow_; }
    bool rbNoAction() const { return rbNoAction_; }
    bool rbUseLastSelected() const { return rbUseLastSelected_; }
    bool rbUseDefaultConfig() const { return rbUseDefaultConfig_; }
    // cbDefaultConfig: its entries, the chosen one (-1 while the box holds
    // typed text) and the text it shows.
    const std::vector<std::string>& defaultConfigChoices() const { return defaultConfigChoices_; }
    int defaultConfigIndex() const { return defaultConfigIndex_; }
    const std::string& defaultConfigText() const { return defaultConfigText_; }

    bool closeRequested() const { return close_; }
    bool confirmed() const { return confirmed_; }

    // --- Handlers ---
    void FormCreate();
    // The row the user selected; -1 (or a row the list does not have) for
    // none.
    void LVAppLinkSelectItem(int row);
    void btnAddClick();
    void btnEditClick();
    void LVAppLinkDblClick() { btnEditClick(); }
    void btnDeleteClick();
    // The radio buttons: checking one unchecks the other two.
    void rbNoActionClick(bool checked);
    void rbUseLastSelectedClick(bool checked);
    void rbUseDefaultConfigClick(bool checked);
    void cbDefaultConfigSelect(int index);
    // The user typed into the box instead of choosing from its list.
    void cbDefaultConfigEdit(std::string text);
    void btnOKClick();
    void btnCancelClick();

private:
    bool hasSelectedRow() const { return selectedRow_ >= 0 && selectedRow_ < static_cast<int>(rows_.size()); }
    // A radio button the user checks unchecks the others of its group.
    void checkRadio(bool& radio, bool checked);
    int chosenNoMatchAction(int current) const;
    std::string chosenDefaultConfig() const;

    AppLinkFormParts parts_;
    std::vector<AppLinkRecord> rows_;
    int selectedRow_ = -1;
    bool rbNoAction_ = false;
    bool rbUseLastSelected_ = false;
    bool rbUseDefaultConfig_ = false;
    std::vector<std::string> defaultConfigChoices_;
    int defaultConfigIndex_ = 0;
    std::string defaultConfigText_;
    bool close_ = false;
    bool confirmed_ = false;
};

}  // namespace vrx
