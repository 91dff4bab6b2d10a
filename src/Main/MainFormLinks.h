#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Joystick/SlotIndex.h"

namespace vrx {

class ButtonAliasForm;
class VibrationForm;
class ConfigFile;

// What the main window's models ask of the user and of the windows around
// them. The view answers with real boxes and dialogs; tests answer from a
// script. Every text given here is shown exactly as it is.

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

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

// The notices of a profile switch that are shown on the screen.
class SwitchNotices {
public:
    virtual ~SwitchNotices() = default;
    virtual void showBalloon(const std::string& title, const std::string& text, int durationMs) = 0;
    // The image form (ShowImage / HideImage). position: ProfileImagePosition.
    virtual void showImage(const std::string& path, int position, int durationMs) = 0;
    virtual void hideImage() = 0;
};

// The shell's default handlers.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void openAddress(const std::string& address) = 0;
    // The folder in the system's file browser (verb "explore").
    virtual void exploreFolder(const std::string& folder) = 0;
};

// Writes Vantorix.ini now (device names and templates live there).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual void saveGlobalSettings() = 0;
};

}  // namespace vrx
