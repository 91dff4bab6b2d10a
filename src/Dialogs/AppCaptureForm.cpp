#include "Dialogs/AppCaptureForm.h"

#include <utility>

#include "Utils/Logger.h"
#include "Utils/NumberText.h"

namespace vrx {

void AppCaptureForm::FormCreate() {
    timerEnabled_ = false;
    secondsLeft_ = 0;
    close_ = false;
}

void AppCaptureForm::editSecondsChange(std::string text) { editSeconds_ = std::move(text); }

void AppCaptureForm::btnCaptureClick() {
    const std::optional<int> seconds = parseInteger(editSeconds_);
    if (!seconds) {
        parts_.messages.message("'" + editSeconds_ + "' is not a valid integer value", "Error", MessageIcon::Error,
                                MessageButtons::Ok);
        return;
    }
    // A negative time has no countdown to run: refused like a word, rather
    // than leaving the program minimized for good.
    if (*seconds < 0) {
        parts_.messages.message("0 以上の秒数を指定してください", "Error", MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    secondsLeft_ = *seconds;
    timerEnabled_ = secondsLeft_ > 0;
    parts_.host.minimizeApplication();
}

void AppCaptureForm::Timer1Timer() {
    if (!timerEnabled_) return;
    if (--secondsLeft_ > 0) return;
    timerEnabled_ = false;
    capture();
}

void AppCaptureForm::capture() {
    const WindowHandle window = parts_.foreground.foregroundWindow();
    CapturedWindow& taken = captured_.emplace();
    taken.title = parts_.windows.windowTitle(window);
    taken.path = parts_.windows.executablePath(window);
    parts_.log.infof("Application info captured [HWND=%#08x, Text='%s', Path='%s']", static_cast<unsigned>(window),
                     taken.title.c_str(), taken.path.c_str());
    parts_.host.beep();
    parts_.host.restoreApplication();
    close_ = true;
}

void AppCaptureForm::btnCancelClick() {
    timerEnabled_ = false;
    close_ = true;
}

}  // namespace vrx
