#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "Dialogs/AssignDialog_win.h"
#include "Dialogs/AssignForm.h"
#include "Dialogs/FormDialogs.h"

namespace vrx {

class EngineLock;
class KeyboardLayout;
struct TickContext;

struct AssignEditorParts {
    EngineLock& lock;
    TickContext& tick;
    const KeyboardLayout& layout;
    // The main window as it is now (its handle is made after this).
    std::function<HWND()> owner;
    // The last key-down message of the user-interface thread.
    std::function<LastKeyDown()> lastKeyDown;
};

// The main window's assignment editor: one assignment dialog per editing
// run, shown once per visited row, and the boxes and pickers it asks for.
class AssignEditor final : public AssignmentEditor, public AssignFormUi {
public:
    explicit AssignEditor(AssignEditorParts parts) : parts_(std::move(parts)) {}

    // AssignmentEditor
    void beginRun(const EditRun& run) override;
    int edit(int tab, SlotIndex slot, const std::string& rowCaption) override;
    void endRun() override;

    // AssignFormUi
    void showError(const std::string& text) override;
    std::optional<std::string> pickProgram(const std::string& filter, const std::string& startFolder) override;
    std::optional<std::string> pickFolder(const std::string& title, const std::string& start) override;
    void openAddress(const std::string& address) override;

private:
    HWND front() const;

    AssignEditorParts parts_;
    std::unique_ptr<AssignForm> form_;
    std::unique_ptr<AssignDialog> dialog_;
};

}  // namespace vrx
