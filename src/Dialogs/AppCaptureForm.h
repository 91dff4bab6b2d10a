#pragma once

#include <optional>
#include <string>

#include "Dialogs/AppLinkLinks.h"
#include "Joystick/ForegroundTracking.h"
#include "Joystick/ForegroundWindow.h"

namespace vrx {

class Logger;

struct AppCaptureParts {
    const ForegroundWindowSource& foreground;
    const WindowInfoSource& windows;
    CaptureHost& host;
    DialogMessages& messages;
    Logger& log;
};

// The capture dialog ("タイマーを使ったアプリケーション情報の取得") without
// its window: after a countdown it takes the window in front. The view
// runs a one-second timer while timerEnabled() and calls Timer1Timer on
// each beat; the seconds are counted here.
class AppCaptureForm {
public:
    explicit AppCaptureForm(AppCaptureParts parts) : parts_(parts) {}

    // --- State the view shows ---
    const std::string& editSeconds() const { return editSeconds_; }
    bool timerEnabled() const { return timerEnabled_; }
    int secondsLeft() const { return secondsLeft_; }
    bool closeRequested() const { return close_; }

    // The window taken when the countdown ended; nothing before, or after a
    // cancel.
    bool captured() const { return captured_.has_value(); }
    const std::optional<CapturedWindow>& result() const { return captured_; }

    // --- Handlers ---
    void FormCreate();
    void editSecondsChange(std::string text);
    // Starts the countdown and puts the program out of the way. A box that
    // holds no whole number of seconds starts nothing; 0 starts no
    // countdown either, and the program waits minimized until the user
    // brings it back.
    void btnCaptureClick();
    // One second has passed.
    void Timer1Timer();
    void btnCancelClick();

private:
    void capture();

    AppCaptureParts parts_;
    std::string editSeconds_ = "3";
    bool timerEnabled_ = false;
    int secondsLeft_ = 0;
    bool close_ = false;
    std::optional<CapturedWindow> captured_;
};

}  // namespace vrx
