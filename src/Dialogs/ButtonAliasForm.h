#pragma once

#include <string>
#include <vector>

#include "ConfigFileManager/ButtonAlias.h"
#include "EngineTypes/SlotIndex.h"

namespace vrx {

class ConfigFile;
class EngineLock;

// One row of lvButtonAlias.
struct AliasRow {
    SlotIndex slot;
    std::string caption;  // "POV: ↑", "Button 1"
    std::string text;     // AliasText of the slot's entry
    bool bold = false;    // the entry is not the identity
};

// The three lists under the selected row, as indexes into their items.
struct AliasSelection {
    std::string caption;  // lblSelected
    int assignment1 = 0;  // the entry's first slot
    int assignment2 = 0;  // 0: the empty entry, else the second slot + 1
    int assignment3 = 0;  // 0: the empty entry, else the third slot + 1
};

// The button alias dialog without its window. Every change goes into the
// profile's alias table at once (the tick reads it) and marks the profile
// modified; there is no cancel.
class ButtonAliasForm {
public:
    ButtonAliasForm(ConfigFile& profile, EngineLock& lock);

    // The items of cbAssignment1: every slot by its fixed name, slot 0 first.
    static const std::vector<std::string>& assignmentItems();
    // The items of cbAssignment2 and cbAssignment3: an empty entry, then the
    // same names.
    static const std::vector<std::string>& furtherAssignmentItems();
    // The slot names of the entry, joined by " + ".
    static std::string AliasText(const ButtonAliasEntry& entry);

    const std::vector<AliasRow>& rows() const { return rows_; }
    int selectedRow() const { return selected_; }  // -1: none
    const AliasSelection& selection() const { return selection_; }

    // --- Handlers ---
    // The rows (the eight directions of the first hat, then the profile's
    // buttons) with the first one selected.
    void FormCreate();
    void lvButtonAliasSelectItem(int row);
    // list: 1 to 3 for cbAssignment1 to cbAssignment3; index: the item chosen.
    void cbAssignmentChange(int list, int index);
    // Whether the row is drawn in bold.
    bool lvButtonAliasCustomDrawItem(int row) const;

private:
    void showEntry();
    void updateRow(AliasRow& row) const;

    ConfigFile& profile_;
    EngineLock& lock_;
    std::vector<AliasRow> rows_;
    int selected_ = -1;
    AliasSelection selection_;
};

}  // namespace vrx
