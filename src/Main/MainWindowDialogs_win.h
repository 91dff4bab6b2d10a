#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ConfigFileManager/ProfileListLinks.h"
#include "Dialogs/AppLinkDialog_win.h"
#include "Dialogs/DeviceConfigDialog_win.h"
#include "Dialogs/DeviceDialogLinks.h"
#include "Dialogs/FormDialogs.h"
#include "Main/ShellCommands.h"

namespace vrx {

// The boxes and dialogs the main window's models and the profile list ask
// for, shown modally over the main window.
class MainWindowDialogs final : public FormDialogs,
                                public ProfileListUi,
                                public KeyWizard,
                                public ShellDialogs,
                                public TemplateChooser {
public:
    // owner: the main window as it is now (its handle is made after this).
    explicit MainWindowDialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    // Out of line: the thunks of its further bases are then made once, where
    // MinGW's linker does not see them twice.
    ~MainWindowDialogs() override;
    // The device records and templates exist: the device and template
    // dialogs can open.
    void attachDevices(const DeviceDialogParts& parts) { devices_.emplace(parts); }

    // FormDialogs and ProfileListUi
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    std::optional<std::string> pickFile(FileKind kind, const std::string& startFolder) override;
    void showButtonAlias(ButtonAliasForm& form) override;
    bool showVibration(VibrationForm& form) override;
    MessageAnswer ask(const std::string& text, const std::string& caption, bool withCancel) override;
    void showError(const std::string& text, const std::string& caption) override;
    // Posted, never sent: the timer thread switches too.
    void postProfileSwitched() override;

    // KeyWizard
    WizardAnswer ask(const std::string& prompt) override;

    // ShellDialogs
    void showPreference(PreferenceForm& form) override;
    void showAppLink() override;
    void showDeviceConfig() override;
    void withdrawDeviceConfig() override;
    void showAbout() override;
    void showGreeting() override;

    // TemplateChooser
    std::string chooseTemplate(const std::string& templateId) override;

    // What the application-link dialogs work with, once it exists.
    void setAppLinkParts(const AppLinkDialogParts& parts) { appLink_.emplace(parts); }

private:
    // Boxes and file dialogs go over the dialog that asks for them, when one
    // of the main window's dialogs is open, so that it waits for them.
    HWND front() const;

    std::function<HWND()> owner_;
    std::optional<DeviceDialogParts> devices_;
    std::optional<AppLinkDialogParts> appLink_;
};

}  // namespace vrx
