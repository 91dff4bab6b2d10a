#include "Main/AppMessages.h"

#include "ConfigFileManager/ConfigFileManager.h"
#include "Joystick/VirtualButtonInput.h"
#include "Main/CopyDataMessage.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

constexpr const char* kNoSuchProfile = "指定されたファイルが存在しません。";
constexpr const char* kSwitchFileCaption = "ERROR: WM_VRX_SWITCH_FILE";

constexpr uintptr_t kQuerySuspend = 0, kSuspend = 4, kResumeSuspend = 7, kResumeAutomatic = 18;
// The system sends an automatic resume and then one for the user after the
// same wake-up; the second must not start everything over again.
constexpr uint32_t kResumePairMs = 2000;

// A virtual-button number from another program's message: anything that is
// not a button's number is no button.
int buttonOf(intptr_t lParam) { return lParam >= 0 && lParam < kButtonCount ? static_cast<int>(lParam) : -1; }

int joystickOf(intptr_t value) {
    return value >= INT32_MIN && value <= INT32_MAX ? static_cast<int>(value) : -1;
}

}  // namespace

AppMessages::AppMessages(ConfigFileManager& profiles, VirtualButtonInput& virtualInput, MainWindowActions& window,
                         const AnsiCodePage& ansi, Logger& log)
    : profiles_(profiles), virtualInput_(virtualInput), window_(window), ansi_(ansi), log_(log) {}

std::optional<intptr_t> AppMessages::handle(uint32_t message, uintptr_t wParam, intptr_t lParam, const void* copyData,
                                            size_t copySize) {
    switch (message) {
        case wm::kCopyData:
            switchByName(copyData, copySize);
            return 1;
        case wm::kVrxSwitchFile:
            switchByKey(lParam);
            return 0;
        case wm::kVrxRestore:
            log_.debug("Received WM_VRX_RESTORE Message");
            window_.restore();
            return 0;
        case wm::kVrxShow:
            window_.restore();
            return 0;
        case wm::kVrxMinimize:
            window_.minimize();
            return 0;
        case wm::kVrxRefreshDevices:
            log_.info("Received WM_VRX_REFRESH_DEVICES Message");
            window_.redetectDevices();
            return 0;
        case wm::kInputDeviceChange:
            log_.debug("Received device change notification");
            window_.deviceChanged();
            return 0;
        case wm::kInput:
            window_.rawInput(lParam);
            // The system's own handling frees the report's buffers.
            return std::nullopt;
        case wm::kVrxVirtualAttach:
            window_.attachVirtualInput(joystickOf(static_cast<intptr_t>(wParam)), joystickOf(lParam));
            return 0;
        case wm::kVrxVirtualPress:
            virtualInput_.press(buttonOf(lParam));
            return 0;
        case wm::kVrxVirtualRelease:
            virtualInput_.release(buttonOf(lParam));
            return 0;
        case wm::kVrxProfileSwitched:
            window_.profileSwitched();
            return 0;
        case wm::kPowerBroadcast:
            return power(wParam);
        case wm::kQueryEndSession:
            reallyExit_ = true;
            log_.info("Received WM_QUERYENDSESSION.  Exiting...");
            window_.close();
            return 1;
        default:
            return std::nullopt;
    }
}

void AppMessages::switchByName(const void* data, size_t size) {
    const std::optional<std::string> name = copyDataText(data, size, ansi_);
    if (!name) return;
    log_.info("Received WM_COPYDATA Message: " + *name);
    if (profiles_.switchToName(*name) < 0) window_.showError(kNoSuchProfile, kSwitchFileCaption);
}

void AppMessages::switchByKey(intptr_t lParam) {
    const char key = static_cast<char>(lParam & 0xFF);
    // A byte from 0x80 on is a character of the sender's code page, and the
    // log is UTF-8.
    log_.info("Received WM_VRX_SWITCH_FILE Message: " + ansi_.toUtf8(std::string_view(&key, 1)));
    if (profiles_.switchByKey(key) < 0) window_.showError(kNoSuchProfile, kSwitchFileCaption);
}

intptr_t AppMessages::power(uintptr_t event) {
    switch (event) {
        case kQuerySuspend:
            log_.info("Received PBT_APMQUERYSUSPEND");
            return 1;
        case kSuspend:
            log_.info("Received PBT_APMSUSPEND: Disabling the timer and joysticks...");
            window_.stopProcessing();
            return 1;
        case kResumeSuspend:
        case kResumeAutomatic: {
            log_.info(event == kResumeSuspend ? "Received PBT_APMRESUMESUSPEND" : "Received PBT_APMRESUMEAUTOMATIC");
            const uint32_t now = window_.tickCountMs();
            if (lastResume_ == kResumeAutomatic && event == kResumeSuspend && now - lastResumeTick_ < kResumePairMs)
                return 1;
            lastResume_ = event;
            lastResumeTick_ = now;
            log_.info("Reinitializing joysticks...");
            window_.restartProcessing();
            return 1;
        }
        default:
            log_.debugf("Received unknown power broadcast message: %u", static_cast<unsigned>(event));
            return 1;
    }
}

}  // namespace vrx
