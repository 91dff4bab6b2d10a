#include "Main/MainWindowDialogs_win.h"

#include "AppInfo/WebPages.h"
#include "AppInfo/WindowMessages.h"
#include "Dialogs/AboutBox_win.h"
#include "Dialogs/AppLinkDialog_win.h"
#include "Dialogs/ButtonAliasDialog_win.h"
#include "Dialogs/DeviceConfigDialog_win.h"
#include "Dialogs/DeviceTemplateDialog_win.h"
#include "Dialogs/DialogMessageBox_win.h"
#include "Dialogs/GreetingDialog_win.h"
#include "Dialogs/InputNameDialog_win.h"
#include "Dialogs/PreferenceDlg_win.h"
#include "Dialogs/VibrationDialog_win.h"
#include "Dialogs/WizardDialog_win.h"
#include "Main/OptionsPage.h"
#include "Ui/FileDialogs_win.h"
#include "Ui/MessageBoxes_win.h"

namespace vrx {

MainWindowDialogs::~MainWindowDialogs() = default;

HWND MainWindowDialogs::front() const {
    const HWND owner = owner_();
    const HWND popup = owner ? GetLastActivePopup(owner) : nullptr;
    return popup && IsWindowEnabled(popup) ? popup : owner;
}

MessageAnswer MainWindowDialogs::message(const std::string& text, const std::string& caption, MessageIcon icon,
                                         MessageButtons buttons) {
    return ui::showMessageBox(front(), text, caption, icon, buttons);
}

std::string MainWindowDialogs::askName(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) {
    return askNameOver(owner_(), caption, prompt, initial);
}

std::optional<std::string> MainWindowDialogs::pickFile(FileKind kind, const std::string& startFolder) {
    return ui::openFileDialog(front(), OptionsPage::fileDialogFilter(kind), startFolder,
                              OptionsPage::fileDialogExtension(kind));
}

MessageAnswer MainWindowDialogs::ask(const std::string& text, const std::string& caption, bool withCancel) {
    return ui::showMessageBox(owner_(), text, caption, MessageIcon::Warning,
                              withCancel ? MessageButtons::YesNoCancel : MessageButtons::YesNo);
}

void MainWindowDialogs::showError(const std::string& text, const std::string& caption) {
    ui::showMessageBox(owner_(), text, caption, MessageIcon::Error);
}

void MainWindowDialogs::postProfileSwitched() { PostMessageW(owner_(), wm::kVrxProfileSwitched, 0, 0); }

WizardAnswer MainWindowDialogs::ask(const std::string& prompt) {
    WizardDialog dialog;
    dialog.setExplanation(prompt);
    dialog.showFor(owner_());
    return {dialog.result(), dialog.key()};
}

void MainWindowDialogs::showDeviceConfig() {
    if (devices_) DeviceConfigDialog(*devices_).showModal(owner_());
}

void MainWindowDialogs::withdrawDeviceConfig() {
    if (devices_ && devices_->publish) devices_->publish(nullptr);
}

std::string MainWindowDialogs::chooseTemplate(const std::string& templateId) {
    // Without the templates the answer keeps what was shown.
    if (!devices_) return templateId;
    return chooseTemplateOver(owner_(), devices_->templates, templateId);
}

void MainWindowDialogs::showButtonAlias(ButtonAliasForm& form) { ButtonAliasDialog(form).showModal(owner_()); }

bool MainWindowDialogs::showVibration(VibrationForm& form) { return VibrationDialog(form).showModal(owner_()) == IDOK; }

void MainWindowDialogs::showPreference(PreferenceForm& form) { PreferenceDialog(form).showModal(owner_()); }

void MainWindowDialogs::showAppLink() {
    if (appLink_) AppLinkDialog(*appLink_).showModal(owner_());
}

void MainWindowDialogs::showAbout() { AboutBox(webPageAddress("/ja/")).showModal(owner_()); }

void MainWindowDialogs::showGreeting() { GreetingDialog(webPageAddress("/ja/overview")).showModal(owner_()); }

}  // namespace vrx
