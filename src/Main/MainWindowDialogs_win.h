#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ConfigFileManager/ProfileListLinks.h"
#include "Main/MainFormLinks.h"
#include "Main/ShellCommands.h"

namespace vrx {

// The boxes and dialogs the main window's models and the profile list ask
// for, shown modally over the main window.
class MainWindowDialogs final : public FormDialogs,
                                public ProfileListUi,
                                public KeyWizard,
                                public ShellDialogs {
public:
    // owner: the main window as it is now (its handle is made after this).
    explicit MainWindowDialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    // FormDialogs and ProfileListUi
    MessageAnswer message(const std::string& text, const std::string& caption, MessageIcon icon,
                          MessageButtons buttons) override;
    std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) override;
    std::optional<std::string> pickFile(FileKind kind, const std::string& startFolder) override;
    Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
    void showError(const std::string& text, const std::string& caption) override;
    // Posted, never sent: the timer thread switches too.
    void postProfileSwitched() override;

    // KeyWizard
    WizardAnswer ask(const std::string& prompt) override;

    // ShellDialogs
    void showPreference() override {}
    void showAppLink() override {}
    void showAbout() override;
    void showGreeting() override;

private:
    std::function<HWND()> owner_;
};

}  // namespace vrx
