#include "Dialogs/ButtonAliasForm.h"

#include "ConfigFileManager/ConfigFile.h"
#include "EngineTypes/ButtonNames.h"
#include "EngineTypes/EngineLock.h"

namespace vrx {
namespace {

constexpr int kPovDirections = 8;

}  // namespace

ButtonAliasForm::ButtonAliasForm(ConfigFile& profile, EngineLock& lock) : profile_(profile), lock_(lock) {}

const std::vector<std::string>& ButtonAliasForm::assignmentItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names;
        for (SlotIndex slot = 0; slot < kSlotCount; ++slot) names.push_back(SlotName(slot));
        return names;
    }();
    return items;
}

const std::vector<std::string>& ButtonAliasForm::furtherAssignmentItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names{std::string()};
        names.insert(names.end(), assignmentItems().begin(), assignmentItems().end());
        return names;
    }();
    return items;
}

std::string ButtonAliasForm::AliasText(const ButtonAliasEntry& entry) {
    std::string text = SlotName(entry.first);
    if (entry.second < 0) return text;
    text += " + " + SlotName(entry.second);
    if (entry.third >= 0) text += " + " + SlotName(entry.third);
    return text;
}

void ButtonAliasForm::updateRow(AliasRow& row) const {
    const ButtonAliasEntry& entry = profile_.buttonAlias[row.slot];
    row.text = AliasText(entry);
    row.bold = entry != ButtonAliasTable::neutral(row.slot);
}

void ButtonAliasForm::FormCreate() {
    rows_.clear();
    const int buttons = profile_.settings.numberOfButtons;
    for (int d = 0; d < kPovDirections; ++d) rows_.push_back({kFirstPovSlot + d, SlotName(kFirstPovSlot + d), {}});
    for (int b = 0; b < buttons && b < kButtonCount; ++b) rows_.push_back({buttonSlot(b), SlotName(buttonSlot(b)), {}});
    for (AliasRow& row : rows_) updateRow(row);
    lvButtonAliasSelectItem(0);
}

void ButtonAliasForm::lvButtonAliasSelectItem(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    selected_ = row;
    showEntry();
}

// A third input counts only together with a second one, so without a
// second the third list shows nothing either.
void ButtonAliasForm::showEntry() {
    const AliasRow& row = rows_[static_cast<size_t>(selected_)];
    const ButtonAliasEntry& entry = profile_.buttonAlias[row.slot];
    selection_.caption = row.caption;
    selection_.assignment1 = entry.first;
    selection_.assignment2 = entry.second + 1;
    selection_.assignment3 = entry.second < 0 ? 0 : entry.third + 1;
}

void ButtonAliasForm::cbAssignmentChange(int list, int index) {
    if (selected_ < 0 || list < 1 || list > 3) return;
    const int count = static_cast<int>((list == 1 ? assignmentItems() : furtherAssignmentItems()).size());
    if (index < 0 || index >= count) return;
    AliasRow& row = rows_[static_cast<size_t>(selected_)];
    ButtonAliasEntry entry = profile_.buttonAlias[row.slot];
    if (list == 1) entry.first = index;
    if (list == 2) entry.second = index - 1;
    if (list == 3) entry.third = index - 1;
    // A third input means nothing without a second (the engine and the text
    // leave it out), so the table never holds one the lists do not show.
    if (entry.second < 0) entry.third = -1;
    if (entry == profile_.buttonAlias[row.slot]) {
        showEntry();
        return;
    }
    {
        EngineLockGuard guard(lock_);
        profile_.buttonAlias.set(row.slot, entry);
    }
    profile_.modified = true;
    updateRow(row);
    showEntry();
}

bool ButtonAliasForm::lvButtonAliasCustomDrawItem(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && rows_[static_cast<size_t>(row)].bold;
}

}  // namespace vrx
