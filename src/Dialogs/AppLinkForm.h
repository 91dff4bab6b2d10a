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

    // LVAppLink: one row per rule, in rule order.
    std::vector<AppLinkRecord> rows;
    int selectedRow = -1;
    bool rbNoAction = false;
    bool rbUseLastSelected = false;
    bool rbUseDefaultConfig = false;
    // cbDefaultConfig: its entries, the chosen one (-1 while the box holds
    // typed text) and the text it shows.
    std::vector<std::string> defaultConfigChoices;
    int defaultConfigIndex = 0;
    std::string defaultConfigText;

    bool closeRequested() const { return close_; }
    bool confirmed() const { return confirmed_; }

    void FormCreate();
    void btnAddClick();
    void btnEditClick();
    void LVAppLinkDblClick() { btnEditClick(); }
    void btnDeleteClick();
    void cbDefaultConfigSelect(int index);
    // The user typed into the box instead of choosing from its list.
    void cbDefaultConfigEdit(std::string text);
    void btnOKClick();
    void btnCancelClick();

private:
    bool hasSelectedRow() const { return selectedRow >= 0 && selectedRow < static_cast<int>(rows.size()); }
    int chosenNoMatchAction(int current) const;
    std::string chosenDefaultConfig() const;

    AppLinkFormParts parts_;
    bool close_ = false;
    bool confirmed_ = false;
};

}  // namespace vrx
