#include <filesystem>
#include <system_error>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Main/MainForm.h"
#include "Main/ProfileSwitchNotice.h"
#include "Main/ShellCommands.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

// The commands model, part: what the window shows and plays when the
// profile in force changed (WM_VRX_PROFILE_SWITCHED).

namespace vrx {

void ShellCommands::OnProfileSwitched() {
    MainForm& form = parts_.form;
    form.selectCurrentProfile();
    form.RefreshDisplay();
    form.UpdateCaption();
    // The switch, maybe on the timer thread, only kept the failure to write
    // the profile it left; the user hears of it here.
    if (const std::string failure = parts_.profiles.takeSwitchSaveFailure(); !failure.empty())
        message(failure, "Error", MessageIcon::Error);
    const ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile) return;
    if (parts_.settings.notifyProfileImage) showProfileImage(profile->settings.imageFile);
    if (parts_.settings.notifyBalloon)
        parts_.notices.showBalloon("Vantorix", "設定ファイル: " + parts_.profiles.currentName(), 1000);
    parts_.switchNotice.announce(*profile, joystickSuspended_);
}

// An image of the profile before stays hidden when this one has none or
// has lost it.
void ShellCommands::showProfileImage(const std::string& imageFile) {
    if (imageFile.empty()) {
        parts_.notices.hideImage();
        return;
    }
    const std::string path = resolveDataFile(parts_.dataDirectory, imageFile);
    std::error_code error;
    if (!std::filesystem::exists(pathFromUtf8(path), error)) {
        parts_.log.error("Warning: failed to find an image file: " + path);
        parts_.notices.hideImage();
        return;
    }
    parts_.log.info("Displaying an image file: " + path);
    parts_.notices.showImage(path, parts_.settings.profileImagePosition, parts_.settings.profileImageDuration);
}

}  // namespace vrx
