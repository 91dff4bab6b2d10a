#pragma once

#include <optional>
#include <string>
#include <vector>

#include "EngineTypes/SlotIndex.h"
#include "Utils/MessageBoxTypes.h"

namespace vrx {

class ButtonAliasForm;
class VibrationForm;
class ConfigFile;

// What the main window's models ask of the user and of the windows around
// them. The view answers with real boxes and dialogs; tests answer from a
// script. Every text given here is shown exactly as it is.

// The two file dialogs of the options page; the view knows their filters
// and default extensions (fileDialogFilter gives them).
enum class FileKind { Sound, Image };

class FormDialogs {
public:
    virtual ~FormDialogs() = default;
    virtual MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                                  MessageButtons buttons) = 0;
    // The name dialog: the text the user confirmed, empty when cancelled.
    virtual std::string askName(const std::string& caption, const std::string& prompt,
                                const std::string& initial) = 0;
    // A file dialog starting in startFolder (empty: the dialog's own
    // choice); the chosen file's full path, nothing when cancelled.
    virtual std::optional<std::string> pickFile(FileKind kind, const std::string& startFolder) = 0;
    // The options page's dialogs over their form models; the vibration
    // dialog answers whether it was closed with OK.
    virtual void showButtonAlias(ButtonAliasForm& form) = 0;
    virtual bool showVibration(VibrationForm& form) = 0;
};

// The assignment dialog of one slot. The result is the dialog's modal
// result: kEditNext and kEditPrevious step through the rows, anything else
// ends the edit loop.
inline constexpr int kEditNext = 10001;
inline constexpr int kEditPrevious = 10002;

// What one editing run over the rows of a joystick works with, as the main
// window knows it when the run starts.
struct EditRun {
    ConfigFile* profile = nullptr;  // the profile in force, whose slots are edited
    int joystick = 0;               // the logical joystick (0-based)
    std::vector<std::string> shiftTargets;  // the tab captions of the joysticks after this one
    std::vector<std::string> profileNames;  // the profile list, in its order
    std::vector<std::string> buttonLabels;  // the labels of buttons 1 to 64 of the joystick
};

class AssignmentEditor {
public:
    virtual ~AssignmentEditor() = default;
    // Around the edit calls of one run: the values the user left in the
    // dialog's controls carry over from one row to the next.
    virtual void beginRun(const EditRun&) {}
    virtual void endRun() {}
    // tab: the logical joystick (0-based).
    virtual int edit(int tab, SlotIndex slot, const std::string& rowCaption) = 0;
};

// The key-press wizard dialog, shown once per row with the row's prompt.
struct WizardAnswer {
    enum Result { Exit = 0, Key = 1, Skip = 2 };
    int result = Exit;
    int virtualKey = 0;  // with Key
};

class KeyWizard {
public:
    virtual ~KeyWizard() = default;
    virtual WizardAnswer ask(const std::string& prompt) = 0;
};

}  // namespace vrx
