#pragma once

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

    std::string editSeconds = "3";

    bool captured = false;
    std::string capturedTitle;
    std::string capturedPath;

    bool timerEnabled() const { return timerEnabled_; }
    int secondsLeft() const { return secondsLeft_; }
    bool closeRequested() const { return close_; }

    void FormCreate();
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
    bool timerEnabled_ = false;
    int secondsLeft_ = 0;
    bool close_ = false;
};

}  // namespace vrx
